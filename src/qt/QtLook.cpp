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

// The first installed family of a preference list, or the last entry.
QString FirstInstalled(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& f : families) {
        if (installed.contains(f, Qt::CaseInsensitive)) return f;
    }
    return families.back();
}

// The fonts installed do not change while the program runs: each family is looked up once.
const QString& ArialFamily() {
    static const QString f =
        FirstInstalled({"Arial", "Liberation Sans", "Arimo", "Helvetica", "DejaVu Sans"});
    return f;
}

const QString& TrebuchetFamily() {
    // Trebuchet MS is a narrow-ish humanist sans; Liberation Sans matches its advance widths
    // better than DejaVu Sans, which is markedly wider and would clip fixed-size captions.
    static const QString f = FirstInstalled(
        {"Trebuchet MS", "Fira Sans", "Open Sans", "Liberation Sans", "DejaVu Sans"});
    return f;
}

}  // namespace

QFont ToQFont(const platform::FontSpec& spec) {
    const QString name = QString::fromStdString(spec.name);
    QString family = name;
    if (name.compare("Arial", Qt::CaseInsensitive) == 0 ||
        name.compare("MS Sans Serif", Qt::CaseInsensitive) == 0 ||
        name.compare("Microsoft Sans Serif", Qt::CaseInsensitive) == 0) {
        family = ArialFamily();
    } else if (name.compare("Trebuchet MS", Qt::CaseInsensitive) == 0) {
        family = TrebuchetFamily();
    }
    QFont font(family);
    // Points at 96 dpi: 72 points per inch.
    const double pixels = spec.sizePt > 0 ? spec.sizePt * 96.0 / 72.0 : 11.0;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setStyleHint(QFont::SansSerif);
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
