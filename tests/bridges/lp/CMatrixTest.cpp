#include "bridges/lp/CMatrix.hpp"
#include "bridges/lp/CIVector.hpp"
#include "bridges/lp/CVector.hpp"

#include <gtest/gtest.h>

using namespace LPLib;
using Platform::InternalError;

TEST(CVector, SizingZeroFillsAndEmptying) {
    CVector v;
    EXPECT_TRUE(v.IsEmpty());
    v.SetSize(3);
    EXPECT_EQ(v, (CVector{0.0, 0.0, 0.0}));
    v[1] = 2.5;
    v.SetAt(2, -1.0);
    EXPECT_EQ(v.Add(7.0), 3);
    EXPECT_EQ(v, (CVector{0.0, 2.5, -1.0, 7.0}));
    v.SetSize(2);
    v.SetSize(4);
    EXPECT_EQ(v, (CVector{0.0, 2.5, 0.0, 0.0}));
    v.RemoveAt(0);
    EXPECT_EQ(v.GetAt(0), 2.5);
    v.RemoveAll();
    EXPECT_EQ(v.GetSize(), 0);
}

TEST(CVector, OutOfRangeAccessThrows) {
    CVector v(2);
    EXPECT_THROW(v[2], InternalError);
    EXPECT_THROW(v[-1], InternalError);
    EXPECT_THROW(v.GetAt(5), InternalError);
    EXPECT_THROW(v.SetSize(-1), InternalError);
    CIVector iv{4, 5};
    EXPECT_EQ(iv[1], 5);
    EXPECT_THROW(iv.RemoveAt(2), InternalError);
}

TEST(CMatrix, ShapeOperationsKeepEveryRowAtTheColumnCount) {
    CMatrix m(2, 3);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(m(r, c), 0.0);
            m(r, c) = 10 * r + c;
        }
    m.appendRow();
    EXPECT_EQ(m.rows(), 3);
    EXPECT_EQ(m(2, 2), 0.0);
    m.appendRow(CVector{7, 8, 9});
    EXPECT_EQ(m(3, 1), 8.0);
    EXPECT_THROW(m.appendRow(CVector{1, 2}), InternalError);

    m.removeColumn(1);
    EXPECT_EQ(m.columns(), 2);
    EXPECT_EQ(m(0, 1), 2.0);
    EXPECT_EQ(m(1, 1), 12.0);
    m.removeRow(0);
    EXPECT_EQ(m(0, 0), 10.0);
    m.dropLastColumn();
    m.dropLastRow();
    EXPECT_EQ(m.rows(), 2);
    EXPECT_EQ(m.columns(), 1);

    m.resize(3, 2);
    EXPECT_EQ(m(0, 0), 10.0);
    EXPECT_EQ(m(2, 1), 0.0);
    EXPECT_THROW(m(3, 0), InternalError);
    EXPECT_THROW(m(0, 2), InternalError);
    EXPECT_THROW(m.removeColumn(2), InternalError);
    EXPECT_THROW(CMatrix(-1, 2), InternalError);

    CMatrix empty;
    EXPECT_THROW(empty.dropLastRow(), InternalError);
    EXPECT_THROW(empty.dropLastColumn(), InternalError);
}
