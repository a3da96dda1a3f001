#include "ui/main/menus/WebLinks.hpp"

#include <array>

#include "core/TextTable.hpp"
#include "files/FileMessages.hpp"
#include "platform/Services.hpp"

#ifndef CHASSISLAB_WEBSITE
#define CHASSISLAB_WEBSITE "https://chassislab.example.org/"
#endif

namespace ui {

namespace {

// Makers' and catalogues' data pages, dyno and tyre data, drag tables, gear ratios,
// performance times and blueprints: public sites that have kept their addresses for years.
constexpr std::array<WebLink, 24> kCarSpecLinks{{
    {"Automobile Catalog", "https://www.automobile-catalog.com/"},
    {"Carfolio", "https://www.carfolio.com/"},
    {"Ultimate Specs", "https://www.ultimatespecs.com/"},
    {"Auto-Data.net - Cars", "https://www.auto-data.net/en/"},
    {"Conceptcarz - Concept and Production Cars", "https://www.conceptcarz.com/"},
    {"Cars-Data - Technical Data", "https://www.cars-data.com/"},
    {"Fueleconomy.gov - Engine Figures", "https://www.fueleconomy.gov/"},
    {"How a Car Works", "https://www.howacarworks.com/"},
    {"Supercars.net", "https://www.supercars.net/"},
    {"Autoevolution", "https://www.autoevolution.com/"},
    {"Edmunds", "https://www.edmunds.com/"},
    {"Autoevolution - Car Makes", "https://www.autoevolution.com/cars/"},
    {"Car and Driver - Specifications", "https://www.caranddriver.com/"},
    {"Goo-net Exchange - Japanese Cars", "https://www.goo-net-exchange.com/"},
    {"Parkers - Car Catalogue", "https://www.parkers.co.uk/"},
    {"What Car? - Specifications", "https://www.whatcar.com/"},
    {"Dynojet - Tuned Dyno Plots", "https://www.dynojet.com/"},
    {"Mustang Dynamometer", "https://www.mustangdyno.com/"},
    {"MotorTrend - Dyno Results", "https://www.motortrend.com/"},
    {"Tire Rack - Tyre Pressures", "https://www.tirerack.com/"},
    {"Drag Coefficients (Wikipedia)", "https://en.wikipedia.org/wiki/Automobile_drag_coefficient"},
    {"Gear Ratios (Wikipedia)", "https://en.wikipedia.org/wiki/Gear_train"},
    {"Zero to 60 Times", "https://www.zeroto60times.com/"},
    {"The-Blueprints.com", "https://www.the-blueprints.com/"},
}};

constexpr std::array<WebLink, 7> kBikeSpecLinks{{
    {"Motorcycle Specs", "https://www.motorcyclespecs.co.za/"},
    {"Bikez.com", "https://bikez.com/"},
    {"Cycle World", "https://www.cycleworld.com/"},
    {"Motorcycle News", "https://www.motorcyclenews.com/"},
    {"Total Motorcycle", "https://www.totalmotorcycle.com/"},
    {"Motorcycle.com", "https://www.motorcycle.com/"},
    {"Motorcycles (Wikipedia)", "https://en.wikipedia.org/wiki/Motorcycle"},
}};

constexpr std::array<WebLink, 2> kSetupSiteLinks{{
    {"LFS Forum - Setups", "https://www.lfs.net/forum"},
    {"LFS Manual - Setup Guide", "https://en.lfsmanual.net/"},
}};

std::string WithTrailingSlash(std::string site) {
    if (!site.empty() && site.back() != '/') site += '/';
    return site;
}

// The site the program was built with.
WebLinksState BuiltWebLinks() { return {CHASSISLAB_WEBSITE}; }

}  // namespace

WebLinksState& WebLinks() {
    static WebLinksState state = BuiltWebLinks();
    return state;
}

void ResetWebLinks() { WebLinks() = BuiltWebLinks(); }

std::string WebSiteHome() { return WithTrailingSlash(WebLinks().WebSite); }
std::string VersionFileAddress() { return WebSiteHome() + "ver.txt"; }
std::string FeedbackAddress() { return WebSiteHome() + "gbook.php?a=sign"; }
std::string DonationAddress() { return WebSiteHome() + "donate.html"; }

std::span<const WebLink> CarSpecLinks() { return kCarSpecLinks; }
std::span<const WebLink> BikeSpecLinks() { return kBikeSpecLinks; }
std::span<const WebLink> SetupSiteLinks() { return kSetupSiteLinks; }

bool OpenWithDesktop(const std::string& target, const std::string& what) {
    const auto tell = [target, what] {
        platform::MsgBox("Could not open " + what + ":\r\n" + files::PathInMessage(target),
                         platform::MsgButtons::OK, platform::MsgIcon::Exclamation,
                         core::TextTable().MsgTitleProblem);
    };
    if (platform::Services().shell->Open(target, tell)) return true;
    tell();
    return false;
}

void OpenWebPage(const std::string& address) {
    const bool mail = address.rfind("mailto:", 0) == 0;
    OpenWithDesktop(address, mail ? "the mail link" : "the web page");
}

}  // namespace ui
