#include "Unit1.h"

#include "CardBack.h"
#include "CardDraw.h"
#include "GameSession.h"
#include "GameState.h"
#include "UnitAPropos.h"
#include "UnitDos.h"
#include "UnitKeys.h"
#include "UnitLoto.h"
#include "UnitStats.h"
#include "access/DeferredPress.h"
#include "access/StatusAnnouncer.h"
#include "access/TableCells.h"
#include "common/Catalog.h"
#include "common/Colours.h"
#include "common/Emblem.h"
#include "common/Fonts.h"
#include "common/ProblemBox.h"
#include "common/SmallWindow.h"
#include "common/TableScale.h"
#include "common/WindowTexts.h"
#include "table/CardImage.h"
#include "table/CellCursor.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

// The emblem lives in this static library: register it before the first use.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace {

constexpr quint32 LegendColour = 0x800000; // navy
constexpr int BlinkPeriodMs = 200;

} // namespace

TForm1::TForm1(vestorine::GameState& game, vestorine::CardBackChoice& back, QWidget* parent)
    : QMainWindow(parent)
    , m_session(new GameSession(game, back, this))
    , m_game(game)
    , m_back(back) {
    FormCreate();
}

TForm1::~TForm1() {
    cards::cdtTerm();
}

void TForm1::setCompanions(TFormApropos* apropos, TFormDos* dos, TFormLoto* loto) {
    m_apropos = apropos;
    m_dos = dos;
    m_loto = loto;
    if (m_dos)
        m_dos->setCardSize(CardWidth, CardHeight);
}

void TForm1::FormCreate() {
    initResources();
    // The game starts in French, the first-start texts with it.
    translation::install(m_game.Language());
    connect(m_session, &GameSession::problem, this, &TForm1::fileProblem);
    m_session->setRestarter(&tablescale::restartInPlace);
    cards::cdtInit(CardWidth, CardHeight);
    m_geometry = TableGeometry(CardWidth, CardHeight);

    setWindowTitle(texts::mainAtStart().title);
    setWindowIcon(emblem());
    // A fixed table: no maximise button, and the layout ignores later resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    createMenu();
    move(0, 0);
    resize(m_geometry.windowSize());
    createControls();
    watchActivation();
    connect(m_session, &GameSession::resumable, MenuResume, &QAction::setEnabled);
    m_session->start();
    if (MenuResume->isEnabled())
        say(texts::announce(m_session->language()).resumeHint);
    applyView();

    paintAllPlaceholders();
    m_game.setMessageIndex(vestorine::MsgInviteDeal);
    showStatus();
}

void TForm1::createControls() {
    auto* table = new QWidget(this);
    table->setObjectName(QStringLiteral("table"));
    colours::set(table, QPalette::Window, TableColour);
    table->setAutoFillBackground(true);
    setCentralWidget(table);
    createPictures(table);
    m_cursor->hideOnPress(table);
    createLabels(table);
    createTableKeys();
    createDealButton(table);

    TimerBlinking = new QTimer(this);
    TimerBlinking->setObjectName(QStringLiteral("TimerBlinking"));
    TimerBlinking->setInterval(BlinkPeriodMs);
    connect(TimerBlinking, &QTimer::timeout, this, &TForm1::TimerBlinkingTimer);

    // The talon is carried over every other control.
    ImageTalon->raise();
    connect(ImageJeu, &CardImage::mouseReleased, this,
            [this](Qt::MouseButton b, QPoint p) { ImageJeuMouseUp(b, p.x(), p.y()); });
    connect(ImageTalon, &CardImage::mousePressed, this,
            [this](Qt::MouseButton b, QPoint p) { ImageTalonMouseDown(b, p.x(), p.y()); });
    connect(ImageTalon, &CardImage::mouseMoved, this,
            [this](QPoint p) { ImageTalonMouseMove(p.x(), p.y()); });
    connect(ImageTalon, &CardImage::mouseReleased, this,
            [this](Qt::MouseButton b, QPoint p) { ImageTalonMouseUp(b, p.x(), p.y()); });
}

// The talon, the grid with its cursor and their names for a screen reader.
void TForm1::createPictures(QWidget* table) {
    ImageTalon = new CardImage(table);
    ImageTalon->setObjectName(QStringLiteral("ImageTalon"));
    ImageTalon->move(m_geometry.talonHome().topLeft());
    ImageTalon->setPictureSize(m_geometry.talonHome().size(), cards::toQColor(TableColour));

    ImageJeu = new CardImage(table);
    ImageJeu->setObjectName(QStringLiteral("ImageJeu"));
    ImageJeu->move(m_geometry.gridRect().topLeft());
    ImageJeu->setPictureSize(m_geometry.gridRect().size(), cards::toQColor(TableColour));

    m_cells = new TableCells(ImageJeu, ImageTalon, m_game, m_geometry);
    m_cursor = new CellCursor(ImageJeu, vestorine::RowCount, vestorine::ColumnCount,
                              [this](int row, int col) { return m_geometry.cellRect(row, col); });
    connect(m_cursor, &CellCursor::activated, this, &TForm1::cellKeyed);
    connect(m_cursor, &CellCursor::moved, m_cells, &TableCells::setCursor);
    m_cursor->hideOnPress(ImageTalon);
    // The grid takes the keys from the start; nothing else on the table takes the focus.
    ImageJeu->setFocus();
}

// The rank legend and the status line with its voice.
void TForm1::createLabels(QWidget* table) {
    LabelCartes = new QLabel(texts::mainAtStart().legend, table);
    LabelCartes->setObjectName(QStringLiteral("LabelCartes"));
    LabelCartes->setTextFormat(Qt::PlainText);
    LabelCartes->setGeometry(QRect(m_geometry.legendPos(), QSize(627, 19)));
    LabelCartes->setFont(fonts::make(fonts::Family::TimesNewRoman, 16));
    colours::set(LabelCartes, QPalette::WindowText, LegendColour);
    LabelCartes->hide();

    LabelInfo = new QLabel(table);
    LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
    LabelInfo->setTextFormat(Qt::PlainText);
    LabelInfo->setGeometry(176, 64, 401, 49);
    LabelInfo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The longest French invitation needs a second line at 14 points.
    LabelInfo->setWordWrap(true);
    LabelInfo->setFont(fonts::make(fonts::Family::TimesNewRoman, 19, true, true));
    colours::set(LabelInfo, QPalette::WindowText, StatusColour);
    m_announcer = new StatusAnnouncer(LabelInfo);
}

void TForm1::createDealButton(QWidget* table) {
    SpeedButtonDeal = new QToolButton(table);
    SpeedButtonDeal->setObjectName(QStringLiteral("SpeedButtonDeal"));
    SpeedButtonDeal->setGeometry(352, 8, 37, 40);
    SpeedButtonDeal->setIcon(windowIcon());
    SpeedButtonDeal->setIconSize(QSize(32, 32));
    SpeedButtonDeal->setFocusPolicy(Qt::NoFocus);
    deferredpress::install(SpeedButtonDeal);
    SpeedButtonDeal->setAccessibleName(texts::mainAtStart().dealButton);
    connect(SpeedButtonDeal, &QToolButton::clicked, this,
            [this] { outsideDeal([this] { SpeedButtonDealClick(); }); });
}

void TForm1::createMenu() {
    auto item = [this](QWidget* parent, const char* name, const QString& text,
                       void (TForm1::*handler)()) {
        auto* action = new QAction(text, parent);
        action->setObjectName(QString::fromLatin1(name));
        parent->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, handler] { outsideDeal([this, handler] { (this->*handler)(); }); });
        return action;
    };
    auto menu = [this](const char* name, const QString& title) {
        QMenu* submenu = menuBar()->addMenu(title);
        submenu->setObjectName(QString::fromLatin1(name));
        return submenu;
    };
    const texts::MainStartTexts words = texts::mainAtStart();
    MenuFile = menu("MenuFile", words.file);
    MenuDeal32 = item(MenuFile, "MenuDeal32", words.deal, &TForm1::MenuDeal32Click);
    MenuDeal32->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2)});
    MenuResume = item(MenuFile, "MenuResume", texts::files(vestorine::French).resume,
                      &TForm1::MenuResumeClick);
    MenuResume->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    // A disabled item takes no key: Ctrl+R still answers, through the same handler.
    auto* resumeKey = new QShortcut(MenuResume->shortcut(), this);
    resumeKey->setEnabled(false);
    connect(resumeKey, &QShortcut::activated, this,
            [this] { outsideDeal([this] { MenuResumeClick(); }); });
    connect(MenuResume, &QAction::enabledChanged, resumeKey,
            [resumeKey](bool enabled) { resumeKey->setEnabled(!enabled); });
    // Another copy may have ended since: looked at again each time the menu opens.
    connect(MenuFile, &QMenu::aboutToShow, m_session, &GameSession::lookForLeftGame);
    const texts::DealTexts dealWords = texts::deals(vestorine::French);
    MenuReplay = item(MenuFile, "MenuReplay", dealWords.replay, &TForm1::MenuReplayClick);
    MenuReplay->setEnabled(false);
    MenuChooseDeal =
        item(MenuFile, "MenuChooseDeal", dealWords.choose, &TForm1::MenuChooseDealClick);
    MenuStats = item(MenuFile, "MenuStats", words.stats, &TForm1::MenuStatsClick);
    Menuquitter = item(MenuFile, "Menuquitter", words.quit, &TForm1::MenuquitterClick);
    MenuDos = item(menuBar(), "MenuDos", words.dos, &TForm1::MenuDosClick);

    MenuLangue = menu("MenuLangue", words.langue);
    createLanguageItems();

    MenuView = menu("MenuView", texts::view(vestorine::French).view);
    MenuFourColour = item(MenuView, "MenuFourColour", texts::view(vestorine::French).fourColour,
                          &TForm1::MenuFourColourClick);
    MenuFourColour->setCheckable(true);
    createTableSizeMenu();

    MenuInfo = menu("MenuInfo", words.info);
    menulisezmoi = item(MenuInfo, "menulisezmoi", words.readme, &TForm1::menulisezmoiClick);
    MenuApropos = item(MenuInfo, "MenuApropos", words.apropos, &TForm1::MenuAproposClick);
    MenuKeys = item(MenuInfo, "MenuKeys", texts::spoken(vestorine::French).keysHelpTitle,
                    &TForm1::MenuKeysClick);

    // In no menu, yet its shortcut works from every window of the program.
    Menuloto = item(this, "Menuloto", words.loto, &TForm1::MenulotoClick);
    Menuloto->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_L));
    Menuloto->setShortcutContext(Qt::ApplicationShortcut);
}

void TForm1::SpeedButtonDealClick() {
    MenuDeal32Click();
}

void TForm1::MenuDosClick() {
    if (m_dos)
        m_dos->showChooser();
}

void TForm1::MenuStatsClick() {
    if (m_stats)
        m_stats->showStats();
}

void TForm1::MenuAproposClick() {
    if (m_apropos)
        smallwindow::showOrRaise(m_apropos);
}

void TForm1::MenuKeysClick() {
    if (!m_keysWindow)
        m_keysWindow = new TFormKeys(this);
    m_keysWindow->applyLanguage(m_game.Language());
    smallwindow::showOrRaise(m_keysWindow);
}

void TForm1::MenulotoClick() {
    showLotoWindow();
}

void TForm1::showLotoWindow() {
    if (m_loto)
        m_loto->showLoto();
}

void TForm1::MenuquitterClick() {
    endProgram();
}

void TForm1::fileProblem(const FileProblem& problem) {
    problembox::show(this, problem, m_session->language());
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A session ending (logging off, shutting down) closes the window without a Quit wish.
    if (qApp->isSavingSession()) {
        event->accept();
        return;
    }
    if (m_dealing) {
        event->ignore();
        outsideDeal([this] { close(); });
        return;
    }
    event->accept();
    endProgram();
}

void TForm1::endProgram() {
    // Quit and the close button both end here. Quitting leaves the loop directly, so a close
    // request arriving afterwards does not write the settings a second time.
    if (m_session->ending())
        return;
    m_session->quit();
    QCoreApplication::exit(0);
}

void TForm1::endBySignal() {
    m_session->endBySignal();
    // Every loop ends, a box's own included, and no new one starts.
    QCoreApplication::exit(0);
}
