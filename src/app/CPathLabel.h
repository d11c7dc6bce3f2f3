#pragma once

#include <QLabel>

// A label that shows a path whole when it fits; a longer one loses the middle
// of its folders, and only a name too long by itself is cut in its own middle.
// text() always holds the whole path.
class CPathLabel : public QLabel {
    Q_OBJECT

public:
    explicit CPathLabel(const QString& text, QWidget* parent = nullptr);

    // The text as painted at the label's present width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
