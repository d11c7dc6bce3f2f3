#pragma once

#include <QLabel>

// A label that shows a path whole when it fits and with its middle left out
// when it does not; text() always holds the whole path.
class CPathLabel : public QLabel {
    Q_OBJECT

public:
    explicit CPathLabel(const QString& text, QWidget* parent = nullptr);

    // The text as painted at the label's present width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
