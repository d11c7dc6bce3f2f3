#pragma once

#include <QAccessibleWidget>

class CUrlLabel;

// What assistive technology sees of a CUrlLabel: a link named by its text
// (its tool tip, the target, describes it), marked visited once opened, and opened by the
// press action.
class CUrlLabelAccessible : public QAccessibleWidget {
public:
    explicit CUrlLabelAccessible(CUrlLabel* label);

    // Registers the interface for every CUrlLabel; repeated calls do nothing.
    static void Install();

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    CUrlLabel* Label() const;
};
