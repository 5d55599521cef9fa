#include "platform/Diagnostics.hpp"
#include "platform/FatalError.hpp"
#include "platform/MessageSink.hpp"

#include <gtest/gtest.h>

#include <thread>

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

TEST(FatalError, CarriesTheExactTextAndItsKind) {
    try {
        throw ParameterError("Invalid Parameter\n");
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(), "Invalid Parameter\n");
        EXPECT_NE(dynamic_cast<const ParameterError*>(&e), nullptr);
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
