#pragma once
// A kind of window on the document: its resource number (icon and menu), its
// document string and the view it holds. Template 128 makes the main window
// with the text view, template 129 the visibility-diagram windows.

#include "app/Commands.h"

#include <QString>
#include <functional>

class CQavDoc;
class CView;
class QWidget;

class CDocTemplate {
public:
    // Makes the view of a new frame; the view belongs to its parent widget.
    using ViewFactory = std::function<CView*(CQavDoc&, QWidget* parent)>;

    CDocTemplate(int resourceId, QString documentString, ViewFactory createView);

    int resourceId() const { return resourceId_; }
    // The fields of the document string: window title, document name, name in
    // the File New list, file-dialog filter name, default extension.
    QString WindowTitle() const { return Field(0); }
    QString FilterName() const { return Field(3); }
    QString FilterExtension() const { return Field(4); }
    const std::vector<MenuItem>& Menu() const;

    bool CanCreateView() const { return static_cast<bool>(createView_); }
    CView* CreateView(CQavDoc& document, QWidget* parent) const;
    void SetViewFactory(ViewFactory createView) { createView_ = std::move(createView); }

private:
    QString Field(int index) const;

    int resourceId_;
    QString documentString_;
    ViewFactory createView_;
};
