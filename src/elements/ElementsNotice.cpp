#include "elements/ElementsNotice.h"

#include "platform/QtText.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace {

const QString kLabelName = QStringLiteral("elementsNotice");

QMainWindow* MainWindowOf(const QWidget* widget)
{
    return widget ? qobject_cast<QMainWindow*>(widget->window()) : nullptr;
}

} // namespace

void ShowElementsNotice(QWidget* window, const std::string& text)
{
    QMainWindow* main = MainWindowOf(window);
    if (!main)
        return;
    QStatusBar* bar = main->statusBar();
    auto* label = bar->findChild<QLabel*>(kLabelName);
    if (!label) {
        if (text.empty())
            return;
        label = new QLabel(bar);
        label->setObjectName(kLabelName);
        label->setIndent(label->fontMetrics().averageCharWidth() * 2);
        // A normal widget: the prompts of the menus cover it while they are shown.
        bar->addWidget(label);
    }
    label->setText(FromUtf8(text));
    label->setToolTip(label->text());
    label->setVisible(!text.empty());
}

QString ElementsNoticeOf(const QWidget* window)
{
    const QMainWindow* main = MainWindowOf(window);
    const auto* label = main ? main->statusBar()->findChild<QLabel*>(kLabelName) : nullptr;
    return label ? label->text() : QString();
}

void ShowDiagramElementsNotice(const std::string& text)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* main = qobject_cast<QMainWindow*>(window);
        if (main && main->centralWidget() && main->centralWidget()->inherits("CDiagramView"))
            ShowElementsNotice(main, text);
    }
}
