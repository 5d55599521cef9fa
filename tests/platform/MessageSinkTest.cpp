#include "platform/MessageSink.hpp"
#include "platform/Diagnostics.hpp"
#include "platform/FatalError.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <utility>

using namespace Platform;

TEST(MessageSink, CaptureCollectsMessagesFromAnyThreadAndRestoresThePreviousHandler) {
    std::vector<std::string> outer;
    SetMessageHandler([&](const std::string& t) { outer.push_back(t); });
    {
        MessageCapture capture;
        ShowMessage("No Solution Found");
        std::thread worker([] { AfxMessageBox("Solution Unbounded"); });
        worker.join();
        EXPECT_EQ(capture.Messages(), (std::vector<std::string>{"No Solution Found", "Solution Unbounded"}));
    }
    ShowMessage("after");
    EXPECT_EQ(outer, std::vector<std::string>{"after"});
    SetMessageHandler(nullptr);
}

TEST(FatalError, CarriesTheExactTextAndTheCodeOfItsKindUnderTheOneRoot) {
    const std::vector<std::pair<std::function<void()>, int>> rows = {
        {[] { throw FatalError("Bad"); }, ErrorCode::kFatal},
        {[] { throw ParameterError("Invalid Parameter\n"); }, ErrorCode::kParameter},
        {[] { throw InternalError("Bad"); }, ErrorCode::kInternal},
        {[] { throw ResourceError("Bad"); }, ErrorCode::kResource},
    };
    for (const auto& [raise, code] : rows) {
        try {
            raise();
            ADD_FAILURE() << "nothing thrown";
        } catch (const std::exception& caught) {
            const auto* e = dynamic_cast<const Error*>(&caught);
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(e->GetCode(), code);
            EXPECT_EQ(e->Text(), caught.what());
        }
    }
    try {
        throw ParameterError("Invalid Parameter\n");
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(), "Invalid Parameter\n");
    }
}

TEST(Diagnostics, GoToTheGivenCallbackOrElseToTheMessageSink) {
    std::vector<std::string> seen;
    const Diagnostics diagnostics = [&](const std::string& t) { seen.push_back(t); };
    MessageCapture capture;
    Report(diagnostics, "Illegal domain type");
    Report(Diagnostics(), "No support for this domain type");
    EXPECT_EQ(seen, std::vector<std::string>{"Illegal domain type"});
    EXPECT_EQ(capture.Messages(), std::vector<std::string>{"No support for this domain type"});
}
