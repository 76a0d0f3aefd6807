#include "platform/message_box.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vh {
namespace {

TEST(HeadlessMessageBoxes, WritesOneLineAMessageAndAnswersItsDefault) {
    std::ostringstream out;
    HeadlessMessageBoxes boxes(out, MessageAnswer::No);
    EXPECT_EQ(boxes.show({"Match Won!", "You won\n$10.", MessageButtons::Ok}), MessageAnswer::Ok);
    EXPECT_EQ(boxes.show({"Game In Progress...", "Quit?", MessageButtons::YesNo}),
              MessageAnswer::No);
    EXPECT_EQ(out.str(), "Match Won!: You won $10.\nGame In Progress...: Quit? [Yes/No: No]\n");

    std::ostringstream yesOut;
    HeadlessMessageBoxes yes(yesOut, MessageAnswer::Yes);
    EXPECT_EQ(yes.show({"Q", "Again?", MessageButtons::YesNo}), MessageAnswer::Yes);
    EXPECT_EQ(yesOut.str(), "Q: Again? [Yes/No: Yes]\n");
}

TEST(MessageBoxes, ScopedInstallationsNestAndRestore) {
    MessageBoxes& original = messageBoxes();
    RecordingMessageBoxes outer;
    {
        const ScopedMessageBoxes installOuter(outer);
        EXPECT_EQ(&messageBoxes(), &outer);
        RecordingMessageBoxes inner;
        {
            const ScopedMessageBoxes installInner(inner);
            showMessage(kApplicationTitle, "inner text");
        }
        showMessage("Other", "outer text", MessageButtons::YesNo);
        EXPECT_EQ(inner.texts(), std::vector<std::string>{"inner text"});
        EXPECT_EQ(inner.shown()[0].caption, "Varnholt Backgammon");
    }
    ASSERT_EQ(outer.shown().size(), 1u);
    EXPECT_EQ(outer.shown()[0], (Message{"Other", "outer text", MessageButtons::YesNo}));
    EXPECT_EQ(&messageBoxes(), &original);
}

} // namespace
} // namespace vh
