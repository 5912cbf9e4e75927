#include "planner/TonightTableModel.h"

#include "core/AngleFormat.h"
#include "core/AstroConstants.h"
#include "core/CFormat.h"
#include "planner/TonightText.h"

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

QString Degrees(double degrees) { return Text(FormatC("%.0f°", degrees)); }

// Altitudes and azimuths as the information box of the diagram writes them: "34° 1'".
QString DegreesMinutes(double degrees) { return Text(FormatDeclination(degrees / kRadiansToDegrees, 1)); }

} // namespace

void TonightTableModel::Reset(std::span<const TonightRow> rows, std::span<const PlannerObject> objects)
{
    beginResetModel();
    rows_ = rows;
    names_.clear();
    foldedNames_.clear();
    for (const TonightRow& row : rows) {
        names_ << Text(objects[row.object].name);
        foldedNames_ << names_.back().toCaseFolded();
    }
    endResetModel();
}

int TonightTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TonightTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TonightTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TonightRow& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == kRowRole)
        return index.row();
    if (role == Qt::TextAlignmentRole)
        return index.column() == Name ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    const double numbers[ColumnCount] = {0,
                                         row.magnitude,
                                         row.start,
                                         row.end,
                                         row.Hours(),
                                         row.best,
                                         row.bestAltitude,
                                         row.bestAzimuth,
                                         row.elongation,
                                         row.moonAltitude,
                                         row.moonIlluminated,
                                         row.moonSeparation};
    if (role == kSortRole)
        return index.column() == Name ? QVariant(foldedNames_[index.row()]) : QVariant(numbers[index.column()]);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Name: return names_[index.row()];
    case Magnitude: return Text(FormatC("%.1f", row.magnitude));
    case Start: return Text(ClockText(row.start));
    case End: return Text(ClockText(row.end));
    case Length: return Text(DurationText(row.Hours()));
    case Best: return Text(ClockText(row.best));
    case Altitude: return DegreesMinutes(row.bestAltitude);
    case Azimuth: return DegreesMinutes(row.bestAzimuth);
    case MoonLight: return Text(FormatC("%.0f %%", row.moonIlluminated * 100));
    default: return Degrees(numbers[index.column()]);
    }
}

QVariant TonightTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList titles = {
        QStringLiteral("Nom"),     QStringLiteral("Mag."),    QStringLiteral("Début TU"), QStringLiteral("Fin TU"),
        QStringLiteral("Durée"),   QStringLiteral("Meilleur TU"), QStringLiteral("Hauteur"), QStringLiteral("Azimut"),
        QStringLiteral("Élong."),  QStringLiteral("Lune"),    QStringLiteral("Éclairée"), QStringLiteral("À la Lune")};
    static const QStringList tips = {
        QStringLiteral("Nom de l'objet dans son catalogue"),
        QStringLiteral("Magnitude au meilleur moment"),
        QStringLiteral("Début du temps passé au-dessus de la hauteur minimale pendant la nuit"),
        QStringLiteral("Fin du temps passé au-dessus de la hauteur minimale pendant la nuit"),
        QStringLiteral("Temps passé au-dessus de la hauteur minimale pendant la nuit"),
        QStringLiteral("Moment où l'objet est le plus haut pendant la nuit"),
        QStringLiteral("Hauteur au meilleur moment"),
        QStringLiteral("Azimut au meilleur moment, compté depuis le sud, positif vers l'ouest, comme dans les diagrammes"),
        QStringLiteral("Élongation : angle entre l'objet et le Soleil"),
        QStringLiteral("Hauteur de la Lune au meilleur moment"),
        QStringLiteral("Fraction éclairée du disque de la Lune"),
        QStringLiteral("Distance angulaire entre l'objet et la Lune")};
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return titles[section];
    if (role == Qt::ToolTipRole)
        return tips[section];
    return {};
}
