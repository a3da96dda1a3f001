#include "ui/tools/About.hpp"

#include <string>

#include "core/TextTable.hpp"
#include "ui/main/menus/WebLinks.hpp"

namespace ui {
namespace {

struct AboutModule {
    platform::FormHolder<About> Holder;
};

AboutModule& Module() {
    static AboutModule m;
    return m;
}

constexpr int kProductLabel = 0;
constexpr int kContactLabel = 1;

}  // namespace

About::About() : platform::Form("About") {
    SetClientSize(420, 274);
    // The title and version pictures: the product name in large type stands in for them.
    ImageTitle = &Create<platform::Image>("ImageTitle");
    ImageTitle->Move(12, 10, 396, 40);
    ImageVer = &Create<platform::Image>("ImageVer");
    ImageVer->Move(12, 52, 396, 20);
    auto& title = Create<platform::Label>("TitleText");
    title.Move(12, 10, 396, 40);
    title.SetCaption(core::kProgramName);
    title.SetFont({"Trebuchet MS", 22.0f, true, false});
    auto& version = Create<platform::Label>("VersionText");
    version.Move(14, 52, 396, 20);
    version.SetCaption(std::string("Version") + core::kProgramVersion);

    InfoPanel = &Create<platform::Frame>("InfoPanel");
    InfoPanel->Move(12, 80, 396, 150);
    auto label = [this](int index, int top, int height) -> platform::Label& {
        auto& l = CreateIn(AboutLabels, "AboutLabels", index, InfoPanel);
        l.Move(10, top, 376, height);
        l.SetWordWrap(true);
        return l;
    };
    platform::Label& product = label(kProductLabel, 16, 64);
    platform::Label& contact = label(kContactLabel, 90, 60);
    CloseButton = &Create<platform::CommandButton>("CloseButton");
    CloseButton->Move(318, 240, 90, 24);
    CloseButton->SetCaption("Close");
    CloseButton->Click = [this] { Unload(); };
    SetCancelButton(CloseButton);

    Load = [this, &product, &contact] {
        SetCaption(core::TextTable().AboutTitlePrefix + core::kProgramName);
        product.SetCaption(std::string(core::kProgramName) + core::kProgramVersion +
                           "\r\n\r\nWebsite: <" + WebSiteHome() + ">");
        contact.SetCaption(
            "If you have any comments then please contact me by sending an email to <" +
            std::string(kProductContactMail) + ">");
    };
    // A link that cannot be opened says so (the address stays on screen to copy by hand).
    product.Click = [] { OpenWebPage(WebSiteHome()); };
    contact.Click = [] { OpenWebPage(std::string("mailto:") + kProductContactMail); };
}

About& AboutWindow() { return Module().Holder.Get(); }

void ResetAbout() { Module().Holder.Reset(); }

void ShowAbout() { AboutWindow().Show(); }

}  // namespace ui
