#include "app/CView.h"

#include "app/CQavDoc.h"

CView::CView(CQavDoc& document) : document_(document) { document_.AddView(this); }

CView::~CView() { document_.RemoveView(this); }
