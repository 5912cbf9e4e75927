#include "planner/CTonightWnd.h"

#include "catalog/SiteCatalog.h"
#include "core/CFormat.h"
#include "export/CsvWriters.h"
#include "planner/PlannerCatalog.h"
#include "planner/TonightInput.h"
#include "planner/TonightLink.h"
#include "planner/TonightTableModel.h"
#include "planner/TonightText.h"
#include "platform/DialogFrame.h"
#include "platform/DialogKeyboard.h"
#include "platform/DialogSupport.h"
#include "platform/FileError.h"
#include "platform/HelpTopic.h"
#include "platform/Messages.h"
#include "platform/QtText.h"
#include "platform/TextEncoding.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <thread>
#include <utility>

// One request: what was asked, the objects, and the thread that computes
// them. The thread is the last member, so it is stopped and joined first.
struct TonightJob {
    TonightRequest request;
    int siteIndex = -1;
    PlannerCatalog catalog;
    std::atomic<std::size_t> done{0};
    std::atomic<bool> finished{false};
    DarkHours dark;
    std::vector<TonightRow> rows;
    std::jthread thread;
};

namespace {

const QString kHelpTopic = QStringLiteral("Qav.chm::/html/Ce soir - frameset.htm");
using Model = TonightTableModel;

} // namespace

CTonightWnd::CTonightWnd(TonightLink& link, int siteIndex, QWidget* parent)
    : QMainWindow(parent),
      link_(link),
      site_(new QComboBox),
      date_(new QLineEdit),
      magnitude_(new QLineEdit(QStringLiteral("12"))),
      altitude_(new QLineEdit(QStringLiteral("10"))),
      kinds_(new QComboBox),
      compute_(new QPushButton(QStringLiteral("&Calculer"))),
      darkness_(new QLabel),
      filter_(new QLineEdit),
      table_(new QTableView),
      model_(new TonightTableModel(this)),
      proxy_(new QSortFilterProxyModel(this)),
      progress_(new QProgressBar),
      save_(new QPushButton(QStringLiteral("&Enregistrer en CSV..."))),
      status_(new QLabel),
      poll_(new QTimer(this))
{
    setWindowTitle(QStringLiteral("Ce soir"));
    site_->setObjectName(QStringLiteral("site"));
    date_->setObjectName(QStringLiteral("date"));
    magnitude_->setObjectName(QStringLiteral("magnitude"));
    altitude_->setObjectName(QStringLiteral("altitude"));
    kinds_->setObjectName(QStringLiteral("kinds"));
    compute_->setObjectName(QStringLiteral("compute"));
    darkness_->setObjectName(QStringLiteral("darkness"));
    filter_->setObjectName(QStringLiteral("filter"));
    table_->setObjectName(QStringLiteral("table"));
    progress_->setObjectName(QStringLiteral("progress"));
    save_->setObjectName(QStringLiteral("saveCsv"));
    status_->setObjectName(QStringLiteral("status"));

    int day = 0, month = 0, year = 0;
    TonightsEvening(day, month, year);
    date_->setText(QStringLiteral("%1/%2/%3").arg(day).arg(month).arg(year));
    kinds_->addItems({QStringLiteral("Comètes et astéroïdes"), QStringLiteral("Comètes"), QStringLiteral("Astéroïdes")});
    filter_->setPlaceholderText(QStringLiteral("Filtrer par nom"));
    filter_->setClearButtonEnabled(true);
    progress_->setTextVisible(false);
    progress_->hide();
    save_->setEnabled(false);

    const int numberWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("31/12/-1000")) * 3 / 2;
    for (QLineEdit* field : {date_, magnitude_, altitude_})
        field->setMaximumWidth(numberWidth);
    site_->setMinimumContentsLength(28);
    // Two columns, each read top to bottom: what to look at, then the limits and the button.
    auto* where = new QFormLayout;
    where->addRow(QStringLiteral("&Site :"), site_);
    where->addRow(QStringLiteral("&Nuit du (j/m/a) :"), date_);
    where->addRow(QStringLiteral("&Objets :"), kinds_);
    auto* limits = new QFormLayout;
    limits->addRow(QStringLiteral("&Magnitude limite :"), magnitude_);
    limits->addRow(QStringLiteral("&Hauteur minimale (°) :"), altitude_);
    limits->addRow(QString(), compute_);
    auto* top = new QHBoxLayout;
    top->addLayout(where);
    top->addSpacing(QFontMetrics(font()).averageCharWidth() * 4);
    top->addLayout(limits);
    top->addStretch(1);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(save_, QDialogButtonBox::ActionRole);
    AddDialogButton(buttons, DialogButton::Close);
    AddDialogButton(buttons, DialogButton::Help);

    proxy_->setSourceModel(model_);
    proxy_->setSortRole(Model::kSortRole);
    proxy_->setFilterKeyColumn(Model::Name);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(Model::Magnitude, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The names take the room left, so that no column stands empty at the right.
    table_->horizontalHeader()->setSectionResizeMode(Model::Name, QHeaderView::Stretch);
    // Tab leaves the table: its rows are chosen with the arrows.
    table_->setTabKeyNavigation(false);
    // Rows as high as the lists' of the other windows.
    table_->verticalHeader()->setMinimumSectionSize(0);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().lineSpacing() + 8);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(top);
    layout->addWidget(darkness_);
    layout->addWidget(filter_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    setCentralWidget(central);
    statusBar()->addWidget(status_, 1);
    statusBar()->addPermanentWidget(progress_);

    connect(compute_, &QPushButton::clicked, this, &CTonightWnd::Compute);
    connect(site_, &QComboBox::activated, this, &CTonightWnd::Compute);
    connect(kinds_, &QComboBox::activated, this, &CTonightWnd::Compute);
    connect(save_, &QPushButton::clicked, this, &CTonightWnd::SaveCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { HelpTopic(kHelpTopic); });
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        proxy_->setFilterFixedString(text);
        UpdateStatus();
    });
    connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) { OpenDiagramAt(index.row()); });
    connect(table_, &QTableView::customContextMenuRequested, this, &CTonightWnd::ShowContextMenu);
    connect(poll_, &QTimer::timeout, this, &CTonightWnd::Poll);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [] { HelpTopic(kHelpTopic); });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    SetTabOrder({site_, date_, kinds_, magnitude_, altitude_, compute_, filter_, table_, buttons});
    // Enter presses the button that has the focus, as in the dialogs.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    site_->setFocus();
    FillSites(siteIndex, true);
    FitToTable();
}

void CTonightWnd::FitToTable()
{
    // Every column shows whole beside the scroll bar, a long comet name
    // included, and sixteen rows, within the screen.
    QStringList widest(Model::ColumnCount);
    widest[Model::Name] = QStringLiteral("C/2023 A3 (Tsuchinshan-ATLAS)");
    widest[Model::Altitude] = QStringLiteral("89° 59'");
    widest[Model::Azimuth] = QStringLiteral("-179° 59'");
    const int width = ColumnsWidth(table_, table_->horizontalHeader(), widest);
    const QMargins margins = centralWidget()->layout()->contentsMargins();
    const int height = table_->horizontalHeader()->sizeHint().height() +
                       table_->verticalHeader()->defaultSectionSize() * 16 + 2 * table_->frameWidth();
    QSize wanted = sizeHint() + QSize(0, height - table_->sizeHint().height());
    wanted.setWidth(std::max(wanted.width(), width + margins.left() + margins.right()));
    if (const QScreen* screen = this->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(wanted);
}

void CTonightWnd::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focused = focusWidget();
    if (enter && (focused == site_ || focused == date_ || focused == kinds_ || focused == magnitude_ ||
                  focused == altitude_)) {
        Compute();
        return;
    }
    // From the filter to the rows it leaves, where Enter opens a diagram.
    if (enter && focused == filter_) {
        if (!table_->currentIndex().isValid())
            table_->selectRow(0);
        table_->setFocus();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// The table forgets the rows before they go: the window is still closed
// (and its table asked for its cells) after the members are destroyed.
CTonightWnd::~CTonightWnd() { model_->Reset({}, {}); }

void CTonightWnd::closeEvent(QCloseEvent* event)
{
    running_.reset();  // stops the computation
    poll_->stop();
    event->accept();
}

void CTonightWnd::changeEvent(QEvent* event)
{
    // Sites may have been added or deleted in the meantime: the list follows
    // the catalogue each time the window comes back to the front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FillSites(site_->currentIndex(), false);
    QMainWindow::changeEvent(event);
}

void CTonightWnd::FillSites(int siteIndex, bool report)
{
    QStringList entries;
    try {
        SiteRecord buffer{};
        for (const SiteListEntry& entry : SiteCatalog::List(buffer, SiteListStyle::AsteroidDiagram))
            entries << FromWindows1252(entry);
    } catch (const FileError& error) {
        if (!report)
            return;  // keep the list shown
        ReportFileError(error);
    }
    site_->clear();
    site_->addItems(entries);
    site_->setCurrentIndex(siteIndex >= 0 && siteIndex < site_->count() ? siteIndex : 0);
}

bool CTonightWnd::Computing() const { return running_ != nullptr; }

bool CTonightWnd::HasSites() const { return site_->count() > 0; }

bool CTonightWnd::Compute()
{
    auto job = std::make_unique<TonightJob>();
    TonightRequest& request = job->request;
    request.comets = kinds_->currentIndex() != 2;
    request.asteroids = kinds_->currentIndex() != 1;
    switch (ReadTonightFields(date_->text().toStdString(), magnitude_->text().toStdString(),
                              altitude_->text().toStdString(), request)) {
    case TonightField::None: break;
    case TonightField::Date: FocusField(date_); return false;
    case TonightField::Magnitude: FocusField(magnitude_); return false;
    case TonightField::Altitude: FocusField(altitude_); return false;
    }
    if (site_->currentIndex() < 0) {
        ShowMessage(MessageIcon::Stop, "Aucun site : enregistrez d'abord votre site dans Sites > Base de données.");
        return false;
    }
    job->siteIndex = site_->currentIndex();
    // The catalogues are read here, each opened and closed at once; the
    // orbits are computed away from the window.
    try {
        SiteCatalog::Read(job->siteIndex, request.site);
        if (request.comets)
            LoadPlannerComets(job->catalog);
        if (request.asteroids)
            LoadPlannerAsteroids(job->catalog);
    } catch (const FileError& error) {
        ReportFileError(error);
        return false;
    }
    if (job->catalog.objects.empty()) {
        ShowMessage(MessageIcon::Warning, request.comets && request.asteroids
                                              ? "Aucune orbite à calculer : les catalogues sont vides."
                                              : "Aucune orbite à calculer : le catalogue est vide.");
        return false;
    }

    running_.reset();  // a new request cancels the one running
    TonightJob* work = job.get();
    job->thread = std::jthread([work](std::stop_token stop) {
        const TonightPlanner planner(work->request);
        work->dark = planner.dark();
        std::vector<TonightRow> rows = PlanTonight(planner, work->catalog.objects, 0, stop, &work->done);
        SortByMagnitude(rows);
        work->rows = std::move(rows);
        work->finished.store(true, std::memory_order_release);
    });
    progress_->setRange(0, static_cast<int>(job->catalog.objects.size()));
    progress_->setValue(0);
    progress_->show();
    status_->setText(QStringLiteral("Calcul de %1 orbites...").arg(job->catalog.objects.size()));
    running_ = std::move(job);
    poll_->start(30);
    return true;
}

void CTonightWnd::Poll()
{
    if (!running_) {
        poll_->stop();
        return;
    }
    progress_->setValue(static_cast<int>(running_->done.load()));
    if (!running_->finished.load(std::memory_order_acquire))
        return;
    poll_->stop();
    running_->thread.join();
    Show(std::move(running_));
}

void CTonightWnd::Show(std::unique_ptr<TonightJob> job)
{
    // The table lets go of the old rows before they are freed.
    const std::unique_ptr<TonightJob> previous = std::exchange(shown_, std::move(job));
    const DarkHours& dark = shown_->dark;
    darkness_->setText(FromUtf8(DarkHoursText(dark) + "."));
    // The nautical night stands in for the astronomical one: say so clearly.
    darkness_->setStyleSheet(dark.kind == Darkness::Astronomical ? QString()
                                                                 : QStringLiteral("color: #a04000; font-weight: bold;"));

    model_->Reset(shown_->rows, shown_->catalog.objects);
    progress_->hide();
    save_->setEnabled(!shown_->rows.empty());
    UpdateStatus();
}

void CTonightWnd::UpdateStatus()
{
    if (!shown_)
        return;
    const std::size_t listed = shown_->rows.size();
    QString text = QStringLiteral("%1 objet%2 observable%2 sur %3")
                       .arg(listed)
                       .arg(listed > 1 ? "s" : "")
                       .arg(shown_->catalog.objects.size());
    if (proxy_->rowCount() != model_->rowCount())
        text += QStringLiteral(", %1 affiché%2").arg(proxy_->rowCount()).arg(proxy_->rowCount() > 1 ? "s" : "");
    if (const int damaged = shown_->catalog.damaged; damaged > 0)
        text += QStringLiteral(" ; %1 ligne%2 endommagée%2 ignorée%2").arg(damaged).arg(damaged > 1 ? "s" : "");
    status_->setText(text + QStringLiteral("."));
}

const PlannerObject* CTonightWnd::ObjectAt(int row) const
{
    if (!shown_ || row < 0 || row >= proxy_->rowCount())
        return nullptr;
    const int r = proxy_->index(row, Model::Name).data(Model::kRowRole).toInt();
    return &shown_->catalog.objects[shown_->rows[static_cast<std::size_t>(r)].object];
}

void CTonightWnd::OpenDiagramAt(int row)
{
    if (const PlannerObject* object = ObjectAt(row))
        link_.OpenDiagram(*object, shown_->request.site, shown_->request.month, shown_->request.year);
}

void CTonightWnd::WriteEphemerisAt(int row)
{
    if (const PlannerObject* object = ObjectAt(row))
        link_.WriteEphemeris(*object, shown_->request.day, shown_->request.month, shown_->request.year);
}

void CTonightWnd::ShowContextMenu(const QPoint& at)
{
    const int row = table_->indexAt(at).row();
    if (!ObjectAt(row))
        return;
    QMenu menu(this);
    menu.addAction(QStringLiteral("&Diagramme de visibilité"), this, [this, row] { OpenDiagramAt(row); });
    menu.addAction(QStringLiteral("&Éphéméride à partir du %1/%2/%3")
                       .arg(shown_->request.day)
                       .arg(shown_->request.month)
                       .arg(shown_->request.year),
                   this, [this, row] { WriteEphemerisAt(row); });
    menu.exec(table_->viewport()->mapToGlobal(at));
}

bool CTonightWnd::SaveCsv()
{
    if (!shown_ || shown_->rows.empty())
        return false;
    const TonightRequest& request = shown_->request;
    const QString suggested =
        QStringLiteral("ce-soir-%1.csv").arg(FromUtf8(FormatC("%04d-%02d-%02d", request.year, request.month, request.day)));
    const QString path = link_.CsvFileName(this, suggested);
    if (path.isEmpty())
        return false;
    // The rows as the table shows them: sorted and filtered.
    std::vector<TonightRow> rows;
    for (int row = 0; row < proxy_->rowCount(); ++row)
        rows.push_back(shown_->rows[static_cast<std::size_t>(proxy_->index(row, Model::Name).data(Model::kRowRole).toInt())]);
    const std::string csv = TonightCsv(rows, shown_->catalog.objects);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv.data(), static_cast<qint64>(csv.size())) !=
                                                static_cast<qint64>(csv.size()) ||
        !file.commit()) {
        ShowMessage(MessageIcon::Stop, "Impossible d'enregistrer " + path.toStdString() + ".");
        return false;
    }
    return true;
}
