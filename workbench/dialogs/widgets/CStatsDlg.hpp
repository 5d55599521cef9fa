#pragma once
// "Statistics": a modeless window showing the solver statistics as black text on white. OK,
// Cancel or the close box close it; it tells its owner (closed) and deletes itself.

#include <QDialog>

#include <string>

class QPlainTextEdit;

namespace TavDialogs {

class CStatsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CStatsDlg(QWidget* frame);

    // Replaces the text shown (line breaks "\r\n").
    void SetStatsText(const std::string& text);
    QString Text() const;

signals:
    void closed();

protected:
    void done(int result) override;

private:
    QPlainTextEdit* m_text;
};

} // namespace TavDialogs
