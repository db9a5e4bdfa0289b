#include "macros/macro_editor.h"

#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ScratchFolder;

class Editor : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::filesystem::path file = folder.path() / "record.ini";
    MacroSlots slots{};
    RecordingMessageSink messages;
    MacroStore store{file};
    MacroEditor editor{MacroStore(file), slots, Language::English};

    void addMacro(std::string_view name) {
        editor.setNameField(name);
        ASSERT_TRUE(editor.newMacro(messages));
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& m : messages.messages) {
            t.push_back(m.text + " | " + m.caption);
        }
        return t;
    }
    void saveInFile(std::string_view name, std::vector<std::string> items, long loops = 1) {
        std::string error;
        ASSERT_TRUE(store.save(name, std::to_string(loops), items, error)) << error;
    }
};

TEST_F(Editor, LoadingSelectsTheFirstMacroAndTakesTheLoopCountFromItsSlot) {
    saveInFile("first", {"A   Dn", "50 ms", "A   Up"}, 3);
    saveInFile("second", {"B   Dn"});
    slots[0][0] = 0x01;
    slots[0][1] = 0x02;
    editor.load(messages);
    EXPECT_THAT(editor.names(), ElementsAre("first", "second"));
    EXPECT_EQ(editor.selectedMacro(), 0u);
    EXPECT_EQ(editor.nameField(), "first");
    EXPECT_THAT(editor.events(), ElementsAre("A   Dn", "50 ms", "A   Up"));
    EXPECT_EQ(editor.loopField(), "258");
    EXPECT_EQ(store.load("first").loopText, "258"); // written at once

    editor.selectMacro(1, messages);
    EXPECT_EQ(editor.nameField(), "second");
    EXPECT_THAT(editor.events(), ElementsAre("B   Dn"));
    EXPECT_EQ(editor.loopField(), "1"); // slot 1 is empty: loop count 0
    EXPECT_THAT(messages.messages, IsEmpty());
}

TEST_F(Editor, WithoutAFileTheListIsEmptyAndTheLoopFieldOne) {
    editor.load(messages);
    EXPECT_THAT(editor.names(), IsEmpty());
    EXPECT_FALSE(editor.selectedMacro());
    EXPECT_EQ(editor.loopField(), "1");
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(Editor, LoopFieldRule) {
    editor.load(messages);
    addMacro("m");
    for (const char* bad : {"0", "70000", "", "65536"}) {
        editor.setLoopField(bad, messages);
        EXPECT_EQ(editor.loopField(), "1") << bad;
    }
    editor.setLoopField("65535", messages);
    EXPECT_EQ(editor.loopField(), "65535");
    EXPECT_EQ(slots[0][0], 0xFF);
    EXPECT_EQ(slots[0][1], 0xFF);
    // The loop count creates the new macro's section.
    EXPECT_EQ(store.load("m").loopText, "65535");
}

TEST_F(Editor, NewRefusals) {
    editor.load(messages);
    editor.setNameField("");
    EXPECT_FALSE(editor.newMacro(messages));
    addMacro("abc");
    editor.setNameField("ABC"); // record.ini would take it for "abc"
    EXPECT_FALSE(editor.newMacro(messages));
    editor.setNameField("a]b");
    EXPECT_FALSE(editor.newMacro(messages));
    editor.setNameField(" edge");
    EXPECT_FALSE(editor.newMacro(messages));
    ASSERT_EQ(messages.messages.size(), 4u);
    EXPECT_EQ(texts()[0], "Macro name is blank | Pelmora");
    EXPECT_EQ(texts()[1], "Macro name already exists | Pelmora");
    EXPECT_EQ(messages.messages[2].caption, "Warning");
    EXPECT_EQ(messages.messages[3].caption, "Warning");
    EXPECT_THAT(editor.names(), ElementsAre("abc"));
    EXPECT_FALSE(std::filesystem::exists(file)); // New writes nothing

    for (int i = 2; i <= 12; ++i) {
        addMacro("m" + std::to_string(i));
    }
    messages.messages.clear();
    editor.setNameField("thirteen");
    EXPECT_FALSE(editor.newMacro(messages));
    EXPECT_THAT(texts(), ElementsAre("Macro numbers up to 12. | Warning"));
    EXPECT_EQ(editor.names().size(), 12u);
}

TEST_F(Editor, NameFieldKeeps31Characters) {
    editor.setNameField(std::string(40, 'n'));
    EXPECT_EQ(editor.nameField(), std::string(31, 'n'));
    editor.setNameField("\u00e9" + std::string(35, 'x')); // characters, not bytes
    EXPECT_EQ(editor.nameField(), "\u00e9" + std::string(30, 'x'));
}

TEST_F(Editor, ConfirmSavesAndEncodesAnEmptyListOnlyClearsTheSlot) {
    editor.load(messages);
    addMacro("m");
    slots[0].fill(0x55);
    ASSERT_TRUE(editor.confirm(messages));
    EXPECT_EQ(slots[0], MacroSlot{});
    EXPECT_FALSE(std::filesystem::exists(file));

    editor.setLoopField("3", messages);
    editor.appendEvents({"A   Dn", "50 ms", "A   Up"});
    ASSERT_TRUE(editor.confirm(messages));
    const StoredMacro stored = store.load("m");
    EXPECT_EQ(stored.loopText, "3");
    EXPECT_THAT(stored.items, ElementsAre("A   Dn", "50 ms", "A   Up"));
    EXPECT_THAT((std::vector<int>{slots[0][0], slots[0][1], slots[0][2], slots[0][3], slots[0][4],
                                  slots[0][5], slots[0][6]}),
                ElementsAre(0x00, 0x03, 0x05, 0x04, 0x80, 0x04, 0x00));
    EXPECT_THAT(messages.messages, IsEmpty());
}

TEST_F(Editor, DeleteThenConfirmRenumbersLaterSlots) {
    saveInFile("one", {"A   Dn"});
    saveInFile("two", {"B   Dn"});
    saveInFile("three", {"C   Dn"});
    editor.load(messages);
    ASSERT_TRUE(editor.confirm(messages));
    const MacroSlot oldThird = slots[2];
    editor.selectMacro(1, messages);
    ASSERT_TRUE(editor.deleteMacro(messages));
    EXPECT_THAT(editor.names(), ElementsAre("one", "three"));
    EXPECT_FALSE(editor.selectedMacro());
    EXPECT_EQ(editor.nameField(), "");
    EXPECT_THAT(editor.events(), IsEmpty());
    EXPECT_THAT(store.names(), ElementsAre("one", "three"));
    const MacroSlots beforeConfirm = slots; // Delete alone leaves macroData
    EXPECT_EQ(beforeConfirm[1][3], 0x05);   // B

    editor.selectMacro(0, messages);
    ASSERT_TRUE(editor.confirm(messages));
    EXPECT_EQ(slots[1][3], 0x06);  // C moved down to macro 2
    EXPECT_EQ(slots[2], oldThird); // the last former slot keeps its content
}

TEST_F(Editor, ConfirmTellsWhichEventsDidNotFit) {
    editor.load(messages);
    addMacro("long");
    std::vector<std::string> items;
    for (int i = 0; i < 70; ++i) {
        if (i > 0) {
            items.push_back("50 ms");
        }
        items.push_back(i % 2 ? "A   Up" : "A   Dn");
    }
    editor.appendEvents(items);
    ASSERT_TRUE(editor.confirm(messages));
    ASSERT_THAT(texts(), ElementsAre("7 event(s) of macro \"long\" do not fit its 128-byte slot "
                                     "and are not sent to the mouse. | Warning"));
    EXPECT_EQ(store.load("long").items.size(), items.size()); // the file keeps them all
}

TEST_F(Editor, InsertingMouseEvents) {
    editor.load(messages);
    editor.insertMouseEvent("R-Button   Up"); // no macro selected: nothing
    EXPECT_THAT(editor.events(), IsEmpty());
    addMacro("m");
    editor.insertMouseEvent("R-Button   Up");
    EXPECT_THAT(editor.events(), ElementsAre("R-Button   Up", "50 ms"));
    editor.insertMouseEvent("M-Button Click"); // not empty and nothing selected
    EXPECT_EQ(editor.events().size(), 2u);

    editor.selectEvent(0); // an event line
    editor.insertMouseEvent("L-Button Click");
    EXPECT_THAT(editor.events(), ElementsAre("R-Button   Up", "50 ms", "L-Button   Dn", "50 ms",
                                             "L-Button   Up", "50 ms"));
    EXPECT_EQ(editor.selectedEvent(), 2u);

    editor.selectEvent(5); // a delay line
    editor.insertMouseEvent("M-Button   Dn");
    EXPECT_THAT(editor.events(), ElementsAre("R-Button   Up", "50 ms", "L-Button   Dn", "50 ms",
                                             "L-Button   Up", "50 ms", "M-Button   Dn", "50 ms"));
    EXPECT_EQ(editor.selectedEvent(), 6u);

    editor.clearEvents();
    editor.insertMouseEvent("L-Button Click");
    EXPECT_THAT(editor.events(), ElementsAre("L-Button   Dn", "50 ms", "L-Button   Up", "50 ms"));
}

TEST_F(Editor, EditingAndDeletingLines) {
    editor.load(messages);
    addMacro("m");
    editor.appendEvents({"A   Dn", "50 ms", "A   Up"});
    EXPECT_FALSE(editor.isDelayLine(0));
    EXPECT_TRUE(editor.isDelayLine(1));
    editor.setDelay(1, 20000, "20000");
    EXPECT_EQ(editor.events()[1], "10 ms");
    editor.setDelay(1, -5, "-5");
    EXPECT_EQ(editor.events()[1], "10 ms");
    editor.setDelay(1, 10000, "10000");
    EXPECT_EQ(editor.events()[1], "10000 ms");
    EXPECT_EQ(editor.selectedEvent(), 1u);
    editor.setDelay(0, 5, "5"); // not a delay line
    EXPECT_EQ(editor.events()[0], "A   Dn");

    editor.deleteSelectedEvent();
    EXPECT_THAT(editor.events(), ElementsAre("A   Dn", "A   Up"));
    editor.deleteSelectedEvent(); // nothing selected any more
    EXPECT_EQ(editor.events().size(), 2u);
}

} // namespace
} // namespace pelmora
