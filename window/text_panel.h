#pragma once

#include <QList>
#include <QString>

#include <variant>

// Moves the print position to column n (column 1 is the left edge).
struct Tab {
    int column;
};

// One item of a print statement: text as it stands, a number in the number
// form, or a move to a print column.
using PrintItem = std::variant<QString, float, Tab>;
using PrintItems = QList<PrintItem>;

// A surface that text is printed onto line by line, like a teletype on paper.
class TextPanel {
public:
    virtual ~TextPanel() = default;
    // Empties the panel and returns the print position to the top-left corner.
    virtual void Cls() = 0;
    // Prints the items one after another; with endOfLine, then moves to the
    // start of the next line. With no items this just ends the line.
    virtual void Print(const PrintItems& items = {}, bool endOfLine = true) = 0;
};
