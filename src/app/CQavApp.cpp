#include "app/CQavApp.h"

#include "app/AboutDlg.h"
#include "app/CDocTemplate.h"
#include "app/CMainFrame.h"
#include "app/CQavDoc.h"
#include "app/CQavView.h"
#include "app/Commands.h"
#include "app/Icons.h"
#include "app/UserPrompts.h"
#include "catalog/SelectionState.h"
#include "diagram/CDiagramView.h"
#include "platform/HelpTopic.h"
#include "platform/Messages.h"
#include "platform/QtMessagePresenter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QTranslator>
#include <clocale>
#include <cstdio>

namespace {

CQavApp* instance = nullptr;

const QString kTextDocumentString = QStringLiteral(
    "Ephémérides et diagrammes de visibilité de comètes et astéroïdes\nQAV\nEphéméride et\nEphémérides et(*.qav)\n.qav");
const QString kDiagramDocumentString = QStringLiteral("Diagramme de visibilité\nQAV\n");

struct CommandLine {
    enum class Action { New, Open, Print } action = Action::New;
    QString fileName;
    QString printerName;
};

// No argument: a new text; a file: open it; -p FILE (or /p): print it and end;
// -pt FILE PRINTER (or /pt): print it on that printer and end.
CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool isFlag = argument.size() > 1 && (argument.startsWith('-') || argument.startsWith('/')) &&
                            !QFileInfo::exists(argument);
        if (!isFlag) {
            if (line.fileName.isEmpty()) {
                line.fileName = argument;
                if (line.action == CommandLine::Action::New)
                    line.action = CommandLine::Action::Open;
            }
            continue;
        }
        const QString flag = argument.mid(1).toLower();
        if (flag == QLatin1String("p") || flag == QLatin1String("pt")) {
            line.action = CommandLine::Action::Print;
            if (i + 1 < arguments.size())
                line.fileName = arguments[++i];
            if (flag == QLatin1String("pt") && i + 1 < arguments.size())
                line.printerName = arguments[++i];
        }
    }
    return line;
}

} // namespace

CQavApp::CQavApp()
{
    instance = this;
    OnCommand(Cmd::FileNew, [this] { OnFileNew(); });
    OnCommand(Cmd::FileOpen, [this] { OnFileOpen(); });
    for (int id = Cmd::FileMru1; id <= Cmd::FileMru4; ++id) {
        OnCommand(id, [this, id] { OnOpenRecentFile(id - Cmd::FileMru1); });
        OnUpdateCommandUI(id, [this, id](CmdUI& ui) { ui.enabled = id - Cmd::FileMru1 < recentFiles_.files().size(); });
    }
    OnCommand(Cmd::FilePrintSetup, [this] { OnFilePrintSetup(); });
    OnCommand(Cmd::AppAbout, [this] { OnAppAbout(); });
    OnCommand(Cmd::AppExit, [this] { OnAppExit(); });
    qApp->installEventFilter(this);
}

CQavApp::~CQavApp()
{
    qApp->removeEventFilter(this);
    // The windows go before the document they show.
    for (const QPointer<CMainFrame>& frame : diagramFrames_)
        delete frame.data();
    mainFrame_.reset();
    if (instance == this)
        instance = nullptr;
}

CQavApp* CQavApp::Instance() { return instance; }

QSettings CQavApp::Settings() { return QSettings(kRegistryKey, kAppKey); }

void CQavApp::LoadStdProfileSettings()
{
    QSettings settings = Settings();
    recentFiles_.Load(settings);
    previewPages_ = settings.value(QStringLiteral("Settings/PreviewPages"), 0).toInt();
}

void CQavApp::ExitInstance()
{
    QSettings settings = Settings();
    recentFiles_.Save(settings);
    settings.setValue(QStringLiteral("Settings/PreviewPages"), previewPages_);
}

bool CQavApp::InitInstance(const QStringList& arguments)
{
    // Three-dimensional controls are the platform style's business; the
    // settings live under kRegistryKey / kAppKey.
    LoadStdProfileSettings();

    textTemplate_ = std::make_unique<CDocTemplate>(
        128, kTextDocumentString, [](CQavDoc& document, QWidget* parent) -> CView* {
            return new CQavView(document, parent);
        });
    diagramTemplate_ = std::make_unique<CDocTemplate>(129, kDiagramDocumentString, nullptr);
    diagramTemplate_->SetViewFactory(
        [](CQavDoc& document, QWidget* parent) -> CView* { return new CDiagramView(document, parent); });

    document_ = std::make_unique<CQavDoc>();
    connect(document_.get(), &CQavDoc::recentFileUsed, this, [this](const QString& path) {
        recentFiles_.Add(path);
        QSettings settings = Settings();
        recentFiles_.Save(settings);
    });
    mainFrame_ = std::make_unique<CMainFrame>(*this, *document_, *textTemplate_, false);

    const CommandLine line = ParseCommandLine(arguments);
    switch (line.action) {
    case CommandLine::Action::New:
        document_->OnNewDocument();
        break;
    case CommandLine::Action::Open:
        if (!OpenDocumentFile(line.fileName)) {
            exitCode_ = 1;
            return false;
        }
        break;
    case CommandLine::Action::Print:
        exitCode_ = PrintDocumentFile(line.fileName, line.printerName) ? 0 : 1;
        return false;
    }

    mainFrame_->show();
    mainFrame_->repaint();
    return true;
}

void CQavApp::InitialUpdateViews()
{
    if (CQavView* view = document_->TextView())
        view->OnInitialUpdate();
}

bool CQavApp::OpenDocumentFile(const QString& pathName)
{
    if (pathName.isEmpty())
        return false;
    if (!document_->OnOpenDocument(pathName))
        return false;
    document_->SetPathName(pathName);
    InitialUpdateViews();
    return true;
}

QPrinter& CQavApp::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool CQavApp::PrintDocumentFile(const QString& pathName, const QString& printerName)
{
    if (pathName.isEmpty() || !OpenDocumentFile(pathName))
        return false;
    QPrinter& target = printer();
    if (target.outputFileName().isEmpty()) {
        const QPrinterInfo chosen =
            printerName.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printerName);
        if (chosen.isNull()) {
            ShowMessage(MessageIcon::Stop, printerName.isEmpty()
                                               ? "Impossible d'imprimer : aucune imprimante n'est installée."
                                               : "Impossible d'imprimer : cette imprimante est introuvable.");
            return false;
        }
        target.setPrinterName(chosen.printerName());
    }
    target.setDocName(document_->GetTitle());
    document_->TextView()->PrintText(target);
    if (target.printerState() == QPrinter::Error) {
        ShowMessage(MessageIcon::Stop, "L'impression a échoué.");
        return false;
    }
    return true;
}

CMainFrame* CQavApp::CreateDiagramFrame()
{
    if (!diagramTemplate_ || !diagramTemplate_->CanCreateView())
        return nullptr;
    auto* frame = new CMainFrame(*this, *document_, *diagramTemplate_, Selection().diagramOpening);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    std::erase_if(diagramFrames_, [](const QPointer<CMainFrame>& old) { return old.isNull(); });
    diagramFrames_.emplace_back(frame);
    return frame;
}

std::vector<CMainFrame*> CQavApp::diagramFrames() const
{
    std::vector<CMainFrame*> frames;
    for (const QPointer<CMainFrame>& frame : diagramFrames_)
        if (frame)
            frames.push_back(frame.data());
    return frames;
}

void CQavApp::OnFileNew()
{
    if (!document_->SaveModified())
        return;
    document_->OnNewDocument();
    InitialUpdateViews();
}

void CQavApp::OnFileOpen()
{
    if (!document_->SaveModified())
        return;
    const QString filter = textTemplate_->FilterName() + QStringLiteral(";;Tous les fichiers (*.*)");
    const QString pathName = Prompts().openFileName(mainFrame_.get(), filter);
    if (!pathName.isEmpty())
        OpenDocumentFile(pathName);
}

void CQavApp::OnOpenRecentFile(int index)
{
    if (index < 0 || index >= recentFiles_.files().size())
        return;
    const QString pathName = recentFiles_.files()[index];
    if (!document_->SaveModified())
        return;
    if (!OpenDocumentFile(pathName)) {
        recentFiles_.Remove(recentFiles_.files().indexOf(pathName));
        QSettings settings = Settings();
        recentFiles_.Save(settings);
    }
}

void CQavApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&printer(), QApplication::activeWindow());
    dialog.exec();
}

void CQavApp::OnAppAbout()
{
    CAboutDlg about(mainFrame_.get());
    about.exec();
}

void CQavApp::OnAppExit()
{
    if (!document_->SaveModified())
        return;
    for (CMainFrame* frame : diagramFrames())
        frame->close();
    CloseHelpWindow();
    mainFrame_->AllowClose();
    mainFrame_->close();
    ExitInstance();
    emit exitRequested();
}

bool CQavApp::eventFilter(QObject* watched, QEvent* event)
{
    // F1 in a dialog or a diagram window climbs to its window, which asks the
    // main window for help: the main topic opens. In the main window F1 is
    // an accelerator of its own.
    if (event->type() == QEvent::KeyPress && mainFrame_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
        // The window the key was typed in: the activation of another window
        // may still be on its way.
        QWidget* window = watched->isWidgetType() ? static_cast<QWidget*>(watched)->window() : nullptr;
        if (key->key() == Qt::Key_F1 && plain && window && window != mainFrame_.get()) {
            mainFrame_->OnCmdMsg(Cmd::Help);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

namespace {

class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(const QElapsedTimer& clock) : clock_(clock) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            std::fprintf(stderr, "first paint after %.1f ms\n", clock_.nsecsElapsed() / 1e6);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
    bool reported_ = false;
};

} // namespace

int RunQav(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    // QApplication takes the locale from the environment; numbers are always
    // written and read with a point.
    std::setlocale(LC_NUMERIC, "C");
    application.setApplicationName(CQavApp::kAppKey);
    application.setWindowIcon(ApplicationIcon());
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtFrench);

    QtMessagePresenter messageBoxes;
    InstallMessagePresenter(&messageBoxes);

    CQavApp app;
    QObject::connect(&app, &CQavApp::exitRequested, &application, &QApplication::quit, Qt::QueuedConnection);
    if (!app.InitInstance(application.arguments().mid(1)))
        return app.exitCode();
    // For measuring start-up: QAV_REPORT_FIRST_PAINT=1 prints the time from
    // the start of the program to the first paint of the text view, then ends.
    FirstPaintReporter reporter(clock);
    if (qEnvironmentVariableIsSet("QAV_REPORT_FIRST_PAINT"))
        app.document().TextView()->viewport()->installEventFilter(&reporter);
    const int status = application.exec();
    InstallMessagePresenter(nullptr);
    return status;
}
