#pragma once
// The base of the problem wizard's pages: a widget that shows its page model afresh each time
// the page is entered (Refresh).

#include <QWidget>

namespace TavDialogs {

class WizardPage : public QWidget {
    Q_OBJECT
public:
    WizardPage(const QString& caption, QWidget* parent) : QWidget(parent), m_caption(caption) {}
    const QString& Caption() const { return m_caption; }
    virtual void Refresh() {}

private:
    QString m_caption;
};

} // namespace TavDialogs
