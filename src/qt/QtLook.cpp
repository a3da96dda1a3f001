#include "qt/QtLook.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

namespace qtfront {

QColor ToQColor(platform::Color c) {
    const platform::Color rgb = platform::ResolveColor(c);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

namespace {

// The first of a preference list among the families installed, or the list's last entry.
QString FirstAmong(const QStringList& preferred, const QStringList& installed) {
    for (const QString& f : preferred) {
        if (installed.contains(f, Qt::CaseInsensitive)) return f;
    }
    return preferred.back();
}

// The fonts installed do not change while the program runs: each family is looked up once.
const QString& SansFamily() {
    static const QString f = SansFamilyAmong(QFontDatabase::families());
    return f;
}

// Courier New's metric twins, before whatever monospace family fontconfig would substitute.
const QString& MonospaceFamily() {
    static const QString f =
        FirstAmong({"Liberation Mono", "Cousine", "Courier New", "DejaVu Sans Mono"},
                   QFontDatabase::families());
    return f;
}

bool IsSansName(const QString& name) {
    for (const char* sans : {"Arial", "MS Sans Serif", "Microsoft Sans Serif", "Trebuchet MS"}) {
        if (name.compare(QLatin1String(sans), Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

}  // namespace

QString SansFamilyAmong(const QStringList& installed) {
    // Metric twins of Arial (same advance widths) first; DejaVu Sans, markedly wider, last.
    return FirstAmong({"Liberation Sans", "Arimo", "Arial", "Helvetica", "DejaVu Sans"}, installed);
}

QFont ToQFont(const platform::FontSpec& spec) {
    const QString name = QString::fromStdString(spec.name);
    const bool monospace = name.compare("Courier New", Qt::CaseInsensitive) == 0;
    QFont font(IsSansName(name) ? SansFamily() : monospace ? MonospaceFamily() : name);
    // Points at 96 dpi: 72 points per inch.
    const double pixels = spec.sizePt > 0 ? spec.sizePt * 96.0 / 72.0 : 11.0;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setStyleHint(monospace ? QFont::TypeWriter : QFont::SansSerif);
    // Light (vertical-only) hinting: Qt then lays text out in the font's own advance widths, so
    // a text is as wide as the layout tests measured it whatever hinting and antialiasing the
    // desktop's fontconfig asks for. Under full or medium hinting, or without antialiasing,
    // each glyph's advance is rounded to whole pixels, which widens a caption by a pixel or two.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

void SetColors(QPalette& palette, QPalette::ColorRole background, QPalette::ColorRole text,
               platform::Color back, platform::Color fore) {
    const QColor b = ToQColor(back);
    const QColor f = ToQColor(fore);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, background, b);
    }
    palette.setColor(QPalette::Active, text, f);
    palette.setColor(QPalette::Inactive, text, f);
}

void InstallQtLook() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    static bool done = false;
    if (done) return;
    done = true;
    if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
    using namespace platform;
    QPalette p = QApplication::style()->standardPalette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, ToQColor(SysColor::ButtonFace));
        p.setColor(group, QPalette::Button, ToQColor(SysColor::ButtonFace));
        p.setColor(group, QPalette::Base, ToQColor(SysColor::WindowBackground));
        p.setColor(group, QPalette::Highlight, ToQColor(SysColor::Highlight));
        p.setColor(group, QPalette::HighlightedText, ToQColor(SysColor::HighlightText));
    }
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, ToQColor(SysColor::WindowText));
        p.setColor(group, QPalette::ButtonText, ToQColor(SysColor::ButtonText));
        p.setColor(group, QPalette::Text, ToQColor(SysColor::WindowText));
    }
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        p.setColor(QPalette::Disabled, role, ToQColor(SysColor::GrayText));
    }
    QApplication::setPalette(p);
    QApplication::setFont(ToQFont(FontSpec{"Trebuchet MS", 8.0f, false, false}));
}

}  // namespace qtfront
