#pragma once
// The code pane's colours, as the add-in's code viewer gives them: keywords blue, error-handling
// terms purple and bold, comments green. Every colouring term and comment ends at its line, so
// each line is coloured on its own, and an edit recolours the lines it changed alone.

#include <QSyntaxHighlighter>

namespace ide {

class ColoresPanel : public QSyntaxHighlighter {
public:
    explicit ColoresPanel(QTextDocument* documento) : QSyntaxHighlighter(documento) {}

protected:
    void highlightBlock(const QString& linea) override;
};

} // namespace ide
