// Text boxes (typing, inserting, KeyPress, MaxLength, Locked, selection) and combo boxes
// (selection by text or index, the drop-down list's refusal of other text).
#include <cctype>
#include <string>
#include <vector>

#include "platform/PlatformTestSupport.hpp"

using namespace platform;
using platform_test::PlatformTest;

namespace {

class TextEvents : public PlatformTest {
protected:
    Form form{"TestForm"};
    TextBox& box = form.Create<TextBox>("VehData_Mass");
};

// Every keystroke raises KeyPress then Change; a code write raises Change only when the text
// changes, and puts the caret at the start.
TEST_F(TextEvents, KeystrokesAndCodeWrites) {
    std::vector<std::string> log;
    box.KeyPress = [&](int& k) { log.push_back("key " + std::string(1, static_cast<char>(k))); };
    box.Change = [&] { log.push_back("change " + box.Text()); };
    box.UserType("12");
    EXPECT_EQ(box.SelStart(), 2);
    box.SetText("850");
    box.SetText("850");
    EXPECT_EQ(box.SelStart(), 0);
    box.UserType("5");
    box.SetText("");
    EXPECT_EQ(log, (std::vector<std::string>{"key 1", "change 1", "key 2", "change 12",
                                             "change 850", "key 5", "change 5850", "change "}));
}

TEST_F(TextEvents, KeyPressHandlerMayReplaceOrDropTheCharacter) {
    // A decimal comma becomes a point, accents go (é -> e), u becomes ü (inserted as UTF-8);
    // k and g are refused, and a lone surrogate is no character: dropped.
    box.KeyPress = [](int& k) {
        if (k == ',') k = '.';
        else if (k == 0xE9) k = 'e';
        else if (k == 'u') k = 0xFC;
        else if (k == 'k' || k == 'g') k = 0;
        else if (k == 'z') k = 0xD800;
    };
    int changes = 0;
    box.Change = [&] { ++changes; };
    box.UserType("1,5kg\xC3\xA9uz");
    EXPECT_EQ(box.Text(), "1.5e\xC3\xBC");
    EXPECT_EQ(box.SelStart(), 6);
    EXPECT_EQ(changes, 5);
}

TEST_F(TextEvents, ChangeHandlerMayRewriteTheBoxItIsRaisedFor) {
    // A handler that upper-cases its own text re-enters Change once and stops because the
    // second write changes nothing. A code write puts the caret at the start, so the handler
    // keeps the caret where it was.
    int changes = 0;
    box.Change = [&] {
        ++changes;
        std::string up = box.Text();
        for (char& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const int caret = box.SelStart();
        box.SetText(up);
        box.SetSelStart(caret);
    };
    box.UserType("ab");
    EXPECT_EQ(box.Text(), "AB");
    // "a" typed -> Change, handler writes "A" -> Change (no further write); the same for "b".
    EXPECT_EQ(changes, 4);
}

TEST_F(TextEvents, MaxLengthLimitsTypingOnlyAndCountsCharacters) {
    box.SetMaxLength(3);
    box.UserType("12345");
    EXPECT_EQ(box.Text(), "123");
    box.SetText("123456");  // code is not limited
    EXPECT_EQ(box.Text(), "123456");
    // Typing over a selection replaces it, so the length limit is measured after replacing.
    box.SetText("12");
    box.SetSelStart(0);
    box.SetSelLength(2);
    box.UserType("9");
    EXPECT_EQ(box.Text(), "9");
    // Characters, not bytes.
    box.SetText("");
    box.UserType("\xC3\xA4\xC3\xB6\xC3\xBCx");  // äöüx
    EXPECT_EQ(box.Text(), "\xC3\xA4\xC3\xB6\xC3\xBC");
    // A line break counts two characters.
    box.SetMultiLine(true);
    box.SetText("ab");
    box.SetSelStart(2);
    box.UserKey(kKeyReturn);
    EXPECT_EQ(box.Text(), "ab");
    box.SetSelStart(1);
    box.SetSelLength(1);
    box.UserKey(kKeyReturn);  // replacing "b": 1 + 2 characters
    EXPECT_EQ(box.Text(), "a\r\n");
}

TEST_F(TextEvents, LockedBlocksTypingButStillRaisesKeyPress) {
    box.SetText("abc");
    box.SetLocked(true);
    int keys = 0, changes = 0;
    box.KeyPress = [&](int&) { ++keys; };
    box.Change = [&] { ++changes; };
    box.UserType("x");
    box.UserKey(kKeyBack);
    EXPECT_EQ(box.Text(), "abc");
    EXPECT_EQ(keys, 2);
    EXPECT_EQ(changes, 0);
}

TEST_F(TextEvents, BackspaceAndReturn) {
    box.SetText("1234");
    box.SetSelStart(4);
    box.UserKey(kKeyBack);
    EXPECT_EQ(box.Text(), "123");
    box.SetSelStart(1);
    box.SetSelLength(50);  // clamped to what follows the caret
    EXPECT_EQ(box.SelLength(), 2);
    box.UserKey(kKeyBack);
    EXPECT_EQ(box.Text(), "1");
    box.SetSelStart(0);
    int changes = 0;
    box.Change = [&] { ++changes; };
    box.UserKey(kKeyBack);  // nothing before the caret
    int returns = 0;
    box.KeyPress = [&](int& k) { returns += k == kKeyReturn; };
    box.UserKey(kKeyReturn);  // single-line: KeyPress only
    EXPECT_EQ(box.Text(), "1");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(returns, 1);
}

TEST_F(TextEvents, SelectionIsClampedToTheText) {
    box.SetText("abc");
    box.SetSelStart(-2);
    EXPECT_EQ(box.SelStart(), 0);
    box.SetSelLength(-1);
    EXPECT_EQ(box.SelLength(), 0);
}

TEST_F(TextEvents, BackspaceTakesALineBreakOrACharacterAsAWhole) {
    box.SetMultiLine(true);
    box.UserType("1");
    box.UserKey(kKeyReturn);
    box.UserType("\xC3\xA9");  // é
    EXPECT_EQ(box.Text(), "1\r\n\xC3\xA9");
    EXPECT_EQ(box.SelStart(), 5);
    int changes = 0;
    box.Change = [&] { ++changes; };
    box.UserKey(kKeyBack);  // both bytes of é
    EXPECT_EQ(box.Text(), "1\r\n");
    EXPECT_EQ(box.SelStart(), 3);
    box.UserKey(kKeyBack);  // CR and LF together, no stray CR left
    EXPECT_EQ(box.Text(), "1");
    EXPECT_EQ(box.SelStart(), 1);
    EXPECT_EQ(changes, 2);

    // A caret placed by code between CR and LF, or inside a character, is moved to the
    // character's start; a selection ending inside one takes the whole of it.
    box.SetText("ab\r\ncd");
    box.SetSelStart(3);
    EXPECT_EQ(box.SelStart(), 2);
    box.SetSelLength(1);
    EXPECT_EQ(box.SelLength(), 2);
    box.UserKey(kKeyBack);  // deletes the selected line break
    EXPECT_EQ(box.Text(), "abcd");
    EXPECT_EQ(box.SelStart(), 2);
    box.SetText("x\xE2\x82\xAC");  // x€
    box.SetSelStart(2);
    EXPECT_EQ(box.SelStart(), 1);
    box.SetSelStart(99);
    EXPECT_EQ(box.SelStart(), 4);
    box.UserKey(kKeyBack);
    EXPECT_EQ(box.Text(), "x");
    EXPECT_EQ(box.SelStart(), 1);
    EXPECT_EQ(box.SelLength(), 0);
}

TEST_F(TextEvents, NonAsciiTextRaisesOneKeyPressPerCharacter) {
    std::vector<int> keys;
    box.KeyPress = [&](int& k) { keys.push_back(k); };
    int changes = 0;
    box.Change = [&] { ++changes; };
    box.UserType("\xC3\xA9\xE2\x82\xAC" "1\xF0\x9F\x9A\x97");  // é € 1 and a car (U+1F697)
    EXPECT_EQ(keys, (std::vector<int>{0xE9, 0x20AC, '1', 0x1F697}));
    EXPECT_EQ(box.Text(), "\xC3\xA9\xE2\x82\xAC" "1\xF0\x9F\x9A\x97");
    EXPECT_EQ(changes, 4);
    // A byte that is not well-formed UTF-8 types nothing and raises nothing.
    keys.clear();
    box.SetText("");
    box.UserType("a\xFF\xC3" "b");
    EXPECT_EQ(keys, (std::vector<int>{'a', 'b'}));
    EXPECT_EQ(box.Text(), "ab");
}

// A paste, a drop or an input method's commit is one edit at the caret: every character
// passes KeyPress, then the text changes once with the caret after what went in. A one-line
// box takes the first line; a control character inserts nothing (a pasted backspace deletes
// nothing); MaxLength counts character by character, Locked refuses the whole.
TEST_F(TextEvents, AnInsertIsOneEditAtTheCaret) {
    std::vector<int> keys;
    box.KeyPress = [&](int& k) {
        keys.push_back(k);
        if (k == ',') k = '.';
        else if (k == 'k') k = 0;
    };
    std::vector<std::string> changes;
    box.Change = [&] { changes.push_back(box.Text()); };
    box.UserType("2.5");
    box.UserInsert("5");  // dropped at the end, then typing goes on after it
    box.UserType("1");
    EXPECT_EQ(box.Text(), "2.551");
    box.SetText("");
    keys.clear();
    changes.clear();
    box.UserInsert("1,\b5\tk\r\n12");
    EXPECT_EQ(keys, (std::vector<int>{'1', ',', '5', 'k'}));
    EXPECT_EQ(changes, (std::vector<std::string>{"1.5"}));
    EXPECT_EQ(box.SelStart(), 3);
    box.SetSelStart(0);
    box.SetSelLength(1);
    box.UserInsert("1");  // the same text: the caret moves after it, no Change
    EXPECT_EQ(box.SelStart(), 1);
    for (const char* nothing : {"k", "\t", "\r\n2", ""}) box.UserInsert(nothing);
    EXPECT_EQ(changes.size(), 1u);
    box.SetMaxLength(5);
    box.UserInsert("999");
    EXPECT_EQ(box.Text(), "199.5");
    EXPECT_EQ(box.SelStart(), 3);
    box.SetMaxLength(0);  // room enough: Locked alone refuses it
    box.SetLocked(true);
    keys.clear();
    box.UserInsert("7");
    EXPECT_EQ(keys, (std::vector<int>{'7'}));
    EXPECT_EQ(box.Text(), "199.5");
    EXPECT_EQ(changes, (std::vector<std::string>{"1.5", "199.5"}));
    box.SetLocked(false);
    box.SetMultiLine(true);
    box.SetText("");
    box.UserInsert("a\nb\r\nc\rd");  // each line break a Return
    EXPECT_EQ(box.Text(), "a\r\nb\r\nc\r\nd");
}

class ComboEvents : public PlatformTest {
protected:
    Form form{"TestForm"};
    ComboBox& combo = form.Create<ComboBox>("Select_SpeedUnits");
    int clicks = 0, changes = 0;
    void SetUp() override {
        PlatformTest::SetUp();
        combo.AddItem("km/h");
        combo.AddItem("mph");
        combo.AddItem("m/s");
        combo.Click = [this] { ++clicks; };
        combo.Change = [this] { ++changes; };
    }
};

TEST_F(ComboEvents, TextMatchingAnItemSelectsItAndClicksEveryTime) {
    combo.SetText("mph");
    combo.SetText("mph");
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(changes, 0);
    combo.SetListIndex(2);
    combo.SetListIndex(2);
    EXPECT_EQ(combo.Text(), "m/s");
    EXPECT_EQ(clicks, 4);
}

TEST_F(ComboEvents, DropDownListIgnoresTextMatchingNoItem) {
    combo.SetListIndex(0);
    clicks = 0;
    combo.SetText("knots");
    combo.SetText("MPH");  // matching is exact
    EXPECT_EQ(combo.ListIndex(), 0);
    EXPECT_EQ(combo.Text(), "km/h");
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(ComboEvents, EditableComboTakesOtherTextAndDeselects) {
    combo.SetStyle(ComboStyle::DropdownCombo);
    combo.SetListIndex(1);
    clicks = 0;
    combo.SetText("knots");
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), "knots");
    EXPECT_EQ(changes, 1);
    combo.SetText("knots");
    EXPECT_EQ(changes, 1);
    combo.UserType("kn");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ComboEvents, ClearingTheSelectionRaisesNothingAndItemEditsKeepItOnTheSameItem) {
    combo.SetListIndex(1);
    clicks = 0;
    combo.SetListIndex(-1);
    EXPECT_EQ(combo.Text(), "");
    combo.SetListIndex(7);  // no such item
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(clicks, 0);

    combo.SetListIndex(1);  // mph
    combo.AddItem("ft/s", 0);
    EXPECT_EQ(combo.ListIndex(), 2);
    combo.RemoveItem(0);
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(combo.List(combo.ListIndex()), "mph");
    combo.RemoveItem(1);  // the selected one
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    EXPECT_EQ(combo.List(99), "");
    combo.Clear();
    EXPECT_EQ(combo.ListCount(), 0);
}

TEST_F(ComboEvents, ClickHandlerMayReselectTheSameCombo) {
    // A handler that forces the first item whenever another is chosen re-enters once.
    std::vector<int> seen;
    combo.Click = [&] {
        seen.push_back(combo.ListIndex());
        if (combo.ListIndex() != 0) combo.SetListIndex(0);
    };
    combo.UserSelect(2);
    EXPECT_EQ(seen, (std::vector<int>{2, 0}));
    EXPECT_EQ(combo.Text(), "km/h");
}

}  // namespace
