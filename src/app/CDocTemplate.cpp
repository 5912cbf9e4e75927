#include "app/CDocTemplate.h"

#include "app/CView.h"

#include <QStringList>

CDocTemplate::CDocTemplate(int resourceId, QString documentString, ViewFactory createView)
    : resourceId_(resourceId), documentString_(std::move(documentString)), createView_(std::move(createView))
{
}

QString CDocTemplate::Field(int index) const
{
    const QStringList fields = documentString_.split('\n');
    return index < fields.size() ? fields[index] : QString();
}

const std::vector<MenuItem>& CDocTemplate::Menu() const
{
    return resourceId_ == 128 ? MainMenu() : DiagramMenu();
}

CView* CDocTemplate::CreateView(CQavDoc& document, QWidget* parent) const
{
    return createView_ ? createView_(document, parent) : nullptr;
}
