#pragma once
// What every view of the document shares: its place in the document's list of
// views and its own commands (the view comes first when a command is routed).

#include "app/CommandTarget.h"

class CQavDoc;
class QWidget;

class CView : public CommandTarget {
public:
    explicit CView(CQavDoc& document);
    ~CView() override;
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    CQavDoc& GetDocument() const { return document_; }
    virtual QWidget* widget() = 0;
    // Run once the view's frame is built, and after every File New and File Open.
    virtual void OnInitialUpdate() {}
    // The document changed; hint 0 means "everything".
    virtual void OnUpdate(int hint) = 0;

private:
    CQavDoc& document_;
};
