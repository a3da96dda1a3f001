// The about box's texts and links, and the language selection's checks and save.
#include "ui/tools/About.hpp"
#include "ui/tools/LanguageSelection.hpp"

#include "support/WindowFileTest.hpp"
#include "ui/main/menus/WebLinks.hpp"

namespace {

using windowtest::WindowFileTest;

TEST_F(WindowFileTest, AboutBoxTextsAndLinks) {
    ui::About w;
    w.Show();
    EXPECT_EQ(w.AboutLabels(0).Caption(),
              "ChassisLab v3.1.4\r\n\r\nWebsite: <" + ui::WebSiteHome() + ">");
    EXPECT_EQ(w.AboutLabels(1).Caption(),
              "If you have any comments then please contact me by sending an email to "
              "<feedback@chassislab.example.org>");
    w.AboutLabels(0).UserClick();
    EXPECT_EQ(Messages().Count(), 0u);
    platform::ShellDouble().result = false;  // no mail program: said, with the address
    w.AboutLabels(1).UserClick();
    EXPECT_EQ(platform::ShellDouble().Targets(),
              (std::vector<std::string>{ui::WebSiteHome(),
                                        "mailto:feedback@chassislab.example.org"}));
    ASSERT_EQ(Messages().Count(), 1u);
    EXPECT_EQ(Messages().Last().text,
              "Could not open the mail link:\r\nmailto:feedback@chassislab.example.org");
    EXPECT_EQ(Messages().Last().title, "Problem");
}

TEST_F(WindowFileTest, AboutBoxClosesFromItsButtonAndFromEsc) {
    for (bool byEscape : {false, true}) {
        ui::About w;
        w.Show();
        ASSERT_NE(w.CloseButton, nullptr);
        EXPECT_EQ(w.CloseButton->Caption(), "Close");
        if (byEscape) w.UserEscape();
        else w.CloseButton->UserClick();
        EXPECT_TRUE(w.WasUnloaded()) << byEscape;
    }
}

std::string Lines(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "Text " + std::to_string(i) + "\r\n";
    return text;
}

TEST_F(WindowFileTest, LanguageSelectionChecksTheFileAndSavesTheChoice) {
    Write("languages.lst", "Language: 2\r\nEnglish\r\nDeutsch\r\nFrancais\r\n");
    Write("language_Deutsch.Text", Lines(338));
    Write("language_Francais.Text", Lines(337));
    Write("language_English.Text", Lines(339));
    auto w = std::make_unique<ui::LanguageSelection>();
    w->Show();  // selects the saved language, which passes the check silently
    EXPECT_EQ(w->LanguageList->ListCount(), 3);
    EXPECT_EQ(w->LanguageList->Text(), "Deutsch");
    EXPECT_EQ(w->LanguageNow->Caption(), "English");
    EXPECT_EQ(Messages().Count(), 0u);

    const std::string wrongCount =
        "Language file does not have the correct number of lines. Loading failed.";
    w->LanguageList->UserSelect(2);  // Francais: 337 lines
    EXPECT_EQ(Messages().Last().text, wrongCount);
    w->LanguageList->UserSelect(0);  // English: 339 lines
    EXPECT_EQ(Messages().Count(), 2u);
    // LF line ends count the same lines; a file no language reaches is not read.
    std::string lf = Lines(338);
    std::erase(lf, '\r');
    Write("language_Francais.Text", lf);
    w->LanguageList->UserSelect(2);
    EXPECT_EQ(Messages().Count(), 2u) << Messages().Last().text;
    std::filesystem::resize_file(root / "language_Francais.Text", 256 << 20);
    w->LanguageList->UserSelect(0);  // passes silently; Francais is then chosen anew
    w->LanguageList->UserSelect(2);
    EXPECT_EQ(Messages().Last().text,
              "The file " + Path("language_Francais.Text") +
                  " holds 268435456 bytes, more than any language file (at most 1048576 bytes); "
                  "it was not read.");
    std::filesystem::remove(root / "language_English.Text");
    w->LanguageList->UserSelect(0);
    EXPECT_EQ(Messages().Last().text,
              "The language file cannot be found: " + Path("language_English.Text"));
    // One that cannot be read (a folder in its place) is named with the reason, once: it is
    // not also said to be missing.
    std::filesystem::create_directory(root / "language_English.Text");
    w->LanguageList->UserSelect(2);
    const std::size_t before = Messages().Count();
    w->LanguageList->UserSelect(0);
    EXPECT_EQ(Messages().Count(), before + 1);
    EXPECT_EQ(Messages().Last().text,
              "The file " + Path("language_English.Text") + " cannot be read: Is a directory");

    // An invalid choice can still be saved; the window closes.
    w->SaveLanguage->UserClick();
    EXPECT_EQ(ReadBack("languages.lst"), "Language: 1\r\nEnglish\r\nDeutsch\r\nFrancais\r\n");
    EXPECT_TRUE(w->WasUnloaded());
}

TEST_F(WindowFileTest, LanguageSelectionWithoutAListSaysSoAndHides) {
    ui::ShowLanguageSelection();
    EXPECT_EQ(Messages().Last().text,
              "The language list does not exist - the language cannot be changed.");
    EXPECT_FALSE(ui::LanguageSelectionWindow().Visible());
    ui::LanguageSelectionWindow().Unload();
}

}  // namespace
