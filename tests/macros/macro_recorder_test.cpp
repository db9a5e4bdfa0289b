#include "macros/macro_recorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Feeds events and collects the event list the editor would show.
class Recording : public ::testing::Test {
protected:
    RecordingMessageSink messages;
    MacroRecorder recorder{Language::English};
    std::vector<std::string> list;
    bool selected = true;

    bool press(std::string_view key, bool repeat = false) {
        return add(recorder.keyEvent(key, true, repeat, selected, messages));
    }
    bool release(std::string_view key) {
        return add(recorder.keyEvent(key, false, true, selected, messages));
    }
    bool add(const RecordedKey& r) {
        list.insert(list.end(), r.appended.begin(), r.appended.end());
        return r.stopped;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& m : messages.messages) {
            t.push_back(m.text + " | " + m.caption);
        }
        return t;
    }
};

TEST_F(Recording, StartWithoutMacroNamesIsRefused) {
    EXPECT_FALSE(recorder.start(false, messages));
    EXPECT_THAT(texts(), ElementsAre("Macro name is blank | Warning"));
    EXPECT_FALSE(recorder.recording());
    press("A");
    EXPECT_THAT(list, IsEmpty());
}

TEST_F(Recording, TwoKeysTypedOneAfterTheOther) {
    ASSERT_TRUE(recorder.start(true, messages));
    EXPECT_THAT(texts(), ElementsAre("Start Recording | Pelmora"));
    EXPECT_EQ(recorder.recordingHint(), "Press Ctrl+Break key to stop recording");
    EXPECT_EQ(recorder.firstEventState(), FirstEventState::NoEventYet);
    press("A");
    press("A", true); // auto-repeat of the held key
    press("A", true);
    release("A");
    press("B");
    release("B");
    EXPECT_THAT(list,
                ElementsAre("A   Dn", "50 ms", "A   Up", "50 ms", "B   Dn", "50 ms", "B   Up"));
    EXPECT_EQ(recorder.eventCount(), 4u);
    EXPECT_EQ(recorder.firstEventState(), FirstEventState::EventAdded);
}

TEST_F(Recording, AReleaseWithoutItsPressSinceTheStartIsDropped) {
    // The Enter that closed the "Start Recording" box comes up after it.
    ASSERT_TRUE(recorder.start(true, messages));
    release("Enter");
    EXPECT_THAT(list, IsEmpty());
    EXPECT_EQ(recorder.eventCount(), 0u);
    press("Shift");
    release("Shift");
    release("Shift"); // a second release of the same press
    EXPECT_THAT(list, ElementsAre("Shift   Dn", "50 ms", "Shift   Up"));
    // A key pressed in an earlier recording counts as unseen again.
    press("A");
    recorder.stop(messages);
    list.clear();
    ASSERT_TRUE(recorder.start(true, messages));
    release("A");
    EXPECT_THAT(list, IsEmpty());
}

TEST_F(Recording, KeyHeldBeforeTheStartGivesOnePress) {
    ASSERT_TRUE(recorder.start(true, messages));
    press("Enter", true);
    press("Enter", true);
    release("Enter");
    EXPECT_THAT(list, ElementsAre("Enter   Dn", "50 ms", "Enter   Up"));
}

TEST_F(Recording, The65thEventStopsTheRecordingAndIsNotAdded) {
    ASSERT_TRUE(recorder.start(true, messages));
    for (int i = 0; i < 32; ++i) {
        EXPECT_FALSE(press(i % 2 ? "A" : "B"));
        EXPECT_FALSE(release(i % 2 ? "A" : "B"));
    }
    EXPECT_EQ(list.size(), 64u * 2 - 1);
    EXPECT_TRUE(press("C"));
    EXPECT_EQ(list.size(), 64u * 2 - 1);
    EXPECT_FALSE(recorder.recording());
    EXPECT_EQ(recorder.firstEventState(), FirstEventState::Stopped);
    EXPECT_THAT(texts(), ElementsAre("Start Recording | Pelmora", "Stop Recording | Pelmora"));
    press("D"); // no longer listening
    EXPECT_EQ(list.size(), 64u * 2 - 1);
}

TEST_F(Recording, EventsWithoutASelectedMacroCountButAddNothing) {
    ASSERT_TRUE(recorder.start(true, messages));
    selected = false;
    press("A");
    release("A");
    EXPECT_THAT(list, IsEmpty());
    EXPECT_EQ(recorder.eventCount(), 2u);
    selected = true;
    press("B");
    EXPECT_THAT(list, ElementsAre("B   Dn"));
}

TEST_F(Recording, StopWhenNotRecordingWarns) {
    recorder.stop(messages);
    EXPECT_THAT(texts(),
                ElementsAre("Stop Recording | Pelmora",
                            "It doesn\u2019t start recording, unnecessary to press Stop key! | "
                            "Warning"));
}

TEST_F(Recording, StopEndsARecordingAndAStartBeginsAfresh) {
    ASSERT_TRUE(recorder.start(true, messages));
    press("A");
    recorder.stop(messages);
    EXPECT_FALSE(recorder.recording());
    EXPECT_EQ(recorder.eventCount(), 0u);
    press("B");
    EXPECT_THAT(list, ElementsAre("A   Dn"));

    list.clear();
    ASSERT_TRUE(recorder.start(true, messages));
    press("C");
    EXPECT_THAT(list, ElementsAre("C   Dn")); // the first event again has no delay
}

TEST_F(Recording, LeavingThePageStopsListeningSilently) {
    ASSERT_TRUE(recorder.start(true, messages));
    recorder.detach();
    press("A");
    EXPECT_THAT(list, IsEmpty());
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(Recording, LongKeyNamesAreCutTo31Characters) {
    ASSERT_TRUE(recorder.start(true, messages));
    press(std::string(40, 'k'));
    EXPECT_THAT(list, ElementsAre(std::string(31, 'k') + "   Dn"));
}

TEST_F(Recording, CtrlBreakStopsAsTheStopButtonAndIsNotRecorded) {
    struct Case {
        std::vector<std::string> presses; // each pressed, in order, before the releases
        std::vector<std::string> recorded;
        bool stops;
    };
    const Case cases[] = {
        {{"Ctrl", "Pause"}, {}, true},
        {{"Right Ctrl", "Pause"}, {}, true},
        {{"Ctrl", "A", "Pause"}, {"Ctrl   Dn", "50 ms", "A   Dn"}, true},
        {{"Ctrl", "A"},
         {"Ctrl   Dn", "50 ms", "A   Dn", "50 ms", "A   Up", "50 ms", "Ctrl   Up"},
         false},
        {{"Pause"}, {"Pause   Dn", "50 ms", "Pause   Up"}, false},
    };
    for (const Case& c : cases) {
        list.clear();
        messages.messages.clear();
        ASSERT_TRUE(recorder.start(true, messages));
        bool stopped = false;
        for (const std::string& key : c.presses) {
            stopped = press(key) || stopped;
            press(key, true); // auto-repeat while held
        }
        for (auto key = c.presses.rbegin(); key != c.presses.rend(); ++key) {
            release(*key);
        }
        EXPECT_EQ(list, c.recorded) << c.presses.back();
        EXPECT_EQ(stopped, c.stops) << c.presses.back();
        EXPECT_EQ(recorder.recording(), !c.stops);
        if (c.stops) {
            EXPECT_EQ(texts().back(), "Stop Recording | Pelmora");
        }
        recorder.detach();
    }
}

TEST(RecordingTexts, FollowTheLanguage) {
    RecordingMessageSink messages;
    MacroRecorder recorder(Language::SimplifiedChinese);
    recorder.start(false, messages);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "宏名称为空");
    EXPECT_EQ(messages.messages[0].caption, "Warning");
}

} // namespace
} // namespace pelmora
