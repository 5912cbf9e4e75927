#include "catalog/RecordDisplayDlg.h"

#include "platform/HelpTopic.h"
#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "catalog/SelectionState.h"
#include "catalog/SiteRecord.h"
#include "core/AngleFormat.h"
#include "core/CFormat.h"
#include "core/Calendar.h"
#include "core/NumberText.h"
#include "platform/DialogFrame.h"
#include "platform/DialogSupport.h"
#include "platform/QtText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kRadiansToDegrees = 57.295779512896175;

QLabel* ValueLabel(int id, const QString& text, QWidget* parent)
{
    auto* label = Numbered(new QLabel(text, parent), id);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A character's room between the text and the left side of its box (the
    // box's width gives the same on the right).
    label->setIndent(label->fontMetrics().averageCharWidth());
    return label;
}

} // namespace

RecordDisplayDlg::RecordDisplayDlg(QWidget* owner, const QString& title)
    : QDialog(owner), layout_(new QVBoxLayout(this)), values_(new QFormLayout)
{
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    values_->setLabelAlignment(Qt::AlignRight);
    // Two characters of margin around everything, whatever the style gives.
    const int margin = std::max(2 * fontMetrics().averageCharWidth(), layout_->contentsMargins().left());
    layout_->setContentsMargins(margin, margin, margin, margin);
}

QLabel* RecordDisplayDlg::AddHeading(int id, const QString& text)
{
    auto* heading = Numbered(new QLabel(text, this), id);
    heading->setFrameShape(QFrame::Box);
    heading->setAlignment(Qt::AlignCenter);
    heading->setMargin(4);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout_->addWidget(heading);
    return heading;
}

QLabel* RecordDisplayDlg::AddLine(int id, const QString& text)
{
    auto* line = Numbered(new QLabel(text, this), id);
    line->setAlignment(Qt::AlignCenter);
    line->setWordWrap(true);
    layout_->addWidget(line);
    return line;
}

QLabel* RecordDisplayDlg::AddValue(const QString& label, int id, const QString& text)
{
    QLabel* value = ValueLabel(id, text, this);
    values_->addRow(label, value);
    return value;
}

void RecordDisplayDlg::Finish(bool toTheRight, const QString& helpTopic)
{
    // Every value box as wide as the widest value with its room on both
    // sides, and never narrow.
    int valueWidth = DialogUnitsX(this, 60);
    const QList<QLabel*> values = findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QLabel* value : values)
        if (value->frameShape() == QFrame::Panel)
            valueWidth = std::max(valueWidth, value->sizeHint().width() + value->indent());
    for (QLabel* value : values)
        if (value->frameShape() == QFrame::Panel)
            value->setMinimumWidth(valueWidth);
    // The window as wide as its title needs.
    const QMargins margins = layout_->contentsMargins();
    if (QWidget* heading = layout_->itemAt(0) ? layout_->itemAt(0)->widget() : nullptr)
        heading->setMinimumWidth(TitleBarWidth(this) - margins.left() - margins.right());

    layout_->addSpacing(6);
    layout_->addLayout(values_);
    auto* buttons = new QDialogButtonBox(this);
    AddDialogButton(buttons, DialogButton::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    if (!helpTopic.isEmpty()) {
        AddDialogButton(buttons, DialogButton::Help);
        connect(buttons, &QDialogButtonBox::helpRequested, this, [helpTopic] { HelpTopic(helpTopic); });
    }
    layout_->addWidget(buttons);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    if (parentWidget())
        PlaceBeside(this, parentWidget()->window(), toTheRight ? Beside::Right : Beside::LeftBelow);
}

CCometElementsDlg::CCometElementsDlg(QWidget* owner)
    : RecordDisplayDlg(owner, QStringLiteral("Comète : éléments orbitaux"))
{
    const CometRecord& comet = Selection().currentComet;
    const auto degrees = [](double radians) { return FromUtf8(FixedText(radians * kRadiansToDegrees, 5)); };
    AddHeading(1010, FromWindows1252(CometName(comet)));
    AddLine(1011, FromWindows1252(CometReference(comet)));
    AddValue(QStringLiteral("Date de passage au périhélie :"), 1012, FromUtf8(FormatCalendarDate(comet.perihelionTime)));
    AddValue(QStringLiteral("Argument du périhélie :"), 1013, degrees(comet.argPerihelion));
    AddValue(QStringLiteral("Longitude du noeud ascendant :"), 1014, degrees(comet.ascendingNode));
    AddValue(QStringLiteral("Inclinaison :"), 1015, degrees(comet.inclination));
    AddValue(QStringLiteral("Excentricité :"), 1016, FromUtf8(FixedText(comet.eccentricity, 7)));
    AddValue(QStringLiteral("Distance du périhélie :"), 1017, FromUtf8(FixedText(comet.perihelionDistance, 7)));
    AddValue(QStringLiteral("Equinoxe :"), 1018, FromUtf8(FormatC("%4d", comet.equinox)));
    // Its help button explains the elements and their units.
    Finish(true, QStringLiteral("Qav.chm::/html/Base de données des Comètes - frameset.htm"));
}

CAsteroidElementsDlg::CAsteroidElementsDlg(QWidget* owner)
    : RecordDisplayDlg(owner, QStringLiteral("Astéroïde : éléments orbitaux"))
{
    const AsteroidFieldTexts& texts = Selection().currentAsteroid.fieldTexts;
    AddHeading(1030, FromWindows1252(texts.displayName));
    AddValue(QStringLiteral("Equinoxe :"), 1018, FromWindows1252(texts.equinox));
    AddValue(QStringLiteral("Epoque :"), 1022, FromWindows1252(texts.epoch));
    AddValue(QStringLiteral("Anomalie moyenne à l'époque :"), 1023, FromWindows1252(texts.meanAnomaly));
    AddValue(QStringLiteral("Argument du périhélie :"), 1012, FromWindows1252(texts.argPerihelion));
    AddValue(QStringLiteral("Longitude du noeud ascendant :"), 1013, FromWindows1252(texts.ascendingNode));
    AddValue(QStringLiteral("Inclinaison :"), 1014, FromWindows1252(texts.inclination));
    AddValue(QStringLiteral("Excentricité :"), 1015, FromWindows1252(texts.eccentricity));
    AddValue(QStringLiteral("Moyen mouvement par jour :"), 1024, FromWindows1252(texts.meanMotion));
    AddValue(QStringLiteral("Magnitude absolue :"), 1025, FromWindows1252(texts.absoluteMagnitude));
    AddValue(QStringLiteral("Paramètre de pente :"), 1026, FromWindows1252(texts.slopeParameter));
    Finish(true);
}

CSiteCoordinatesDlg::CSiteCoordinatesDlg(QWidget* owner)
    : RecordDisplayDlg(owner, QStringLiteral("Site : coordonnées géographiques"))
{
    const SiteRecord& site = Selection().currentSite;
    // On the equator the site shows S, on the prime meridian E; a damaged
    // value shows "---" and no side.
    const auto coordinate = [](double degrees, const QString& positive, const QString& negative) {
        return FromUtf8(FormatDegreesDMS(std::fabs(degrees))) +
               (!std::isfinite(degrees) ? QString() : degrees > 0 ? positive : negative);
    };
    const QString latitude = coordinate(site.latitude * kRadiansToDegrees, QStringLiteral(" N"), QStringLiteral(" S"));
    const QString longitude = coordinate(site.longitude * 15.0, QStringLiteral(" O"), QStringLiteral(" E"));
    AddHeading(1010, FromWindows1252(SiteName(site)));
    AddValue(QStringLiteral("Latitude :"), 1049, latitude);
    AddValue(QStringLiteral("Longitude :"), 1048, longitude);
    Finish(false);
}
