// The text of a message box: a name wider than the box is cut into lines, and what the box
// copies is the message as written.
#pragma once

#include <QFont>
#include <QLabel>
#include <QWidget>
#include <QString>
#include <vector>

namespace qtfront {

struct ShownMessage {
    QString text;             // as the box shows it
    std::vector<bool> added;  // per character of `text`: a line break put in for the box
};

// A message may name a file whose name holds no blank and is wider than a message box can
// be. Each stretch of the text between two places where a line may end (a blank, a slash)
// that is wider than `widest` pixels in `font` is cut into lines of at most `widest`
// pixels, each as long as it can be: the box shows the whole name instead of cutting it at
// the window's edge.
ShownMessage CutLongStretches(const QString& text, const QFont& font, int widest);

// Makes the message box `box`, whose label shows `shown`, copy the message as written: Ctrl+C
// anywhere in the box copies the part selected in the label where the label has the focus,
// else the whole message; the label's context menu copies the part selected (or selects the
// whole message); what the label copies (a selection under X11) holds none of the line breaks
// put in; a double click selects a word one of them cuts whole. What anything else puts on the
// clipboard while the box is open is left alone.
void CopyAsWritten(QWidget& box, QLabel& label, const ShownMessage& shown);

}  // namespace qtfront
