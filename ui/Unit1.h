#pragma once

#include <QMainWindow>
#include <QString>

#include <functional>
#include <vector>

#include "table/TableGeometry.h"

namespace tablescale {
struct Placement;
} // namespace tablescale
namespace vestorine {
class GameState;
struct CardBackChoice;
struct RevealResult;
} // namespace vestorine

class CardImage;
class CellCursor;
class StatusAnnouncer;
class TableCells;
class TableKeys;
class TFormKeys;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;
class GameSession;
struct FileProblem;
class TFormApropos;
class TFormDeal;
class TFormDos;
class TFormLoto;
class TFormStats;

// The main window: the table, the deal and the mouse play, its code spread over Unit1*.cpp by
// job as the sections below say. It paints what its session and the game report and asks the
// session for every action; the session decides what is written and counted.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(vestorine::GameState& game, vestorine::CardBackChoice& back, QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows this one opens; they are created after it.
    void setCompanions(TFormApropos* apropos, TFormDos* dos, TFormLoto* loto);
    void setStatsWindow(TFormStats* stats) { m_stats = stats; }
    // The player's session: the game, its files, the counts and the choices.
    GameSession& session() { return *m_session; }

    // A signal (a logout, a kill, Ctrl+C) ends the program, even from inside a box: the game is
    // on disk already and, as at a logout, nothing more is written.
    void endBySignal();
    // In a program started again at a new size: puts back the game of the program before it.
    void resumeAfterRestart(const QString& gamePath);
    // Once the shown window is on its screen: starts again smaller when the kept size does not
    // fit, says so in a run that did, then puts back the game of the program before (if any).
    void startOnScreen(const QString& gamePath);

    // For tests: the pause between two dealt cards, 50 ms in play.
    void setDealDelay(int ms) { m_dealDelay = ms; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr quint32 TableColour = 0x008000;  // green
    static constexpr quint32 StatusColour = 0x00FFFF; // yellow
    static constexpr quint32 FaceColour = 0xFFFFFF;

    // Creation (Unit1.cpp).
    void FormCreate();
    void createControls();
    void createPictures(QWidget* table);
    void createLabels(QWidget* table);
    void createDealButton(QWidget* table);
    void createMenu();

    // Menu and button handlers (Unit1.cpp).
    void MenuDeal32Click();
    void SpeedButtonDealClick();
    void MenuquitterClick();
    void MenuDosClick();
    void MenuStatsClick();
    void menulisezmoiClick();
    void MenuAproposClick();
    void MenuKeysClick();
    void MenulotoClick();
    void TimerBlinkingTimer();

    // Deal numbers and the View menu (Unit1Replay.cpp).
    void MenuReplayClick();
    void MenuChooseDealClick();
    void MenuFourColourClick();
    // The deal of `number` again; a number that names no deal deals nothing.
    void dealChosen(int number);
    // The replay item's caption carries the number, and the grid's description names it.
    void showDealNumber();
    // The colours view.ini holds, applied before anything is painted.
    void applyView();
    // Every face on the table and the talon painted again, as after a change of colours.
    void repaintFaces();

    // Ends the program from its Quit item or its close button, writing the settings once.
    void endProgram();

    // The unfinished game (Unit1Resume.cpp).
    void MenuResumeClick();
    // Paints the table, the talon and the status as the game stands, as its play left them.
    void paintResumed();
    // The card face up in the cell over the back it was dealt with, or the first cell's blank.
    void paintFaceOver(int row, int col, bool first);
    // One box in the player's language.
    void fileProblem(const FileProblem& problem);

    // Language and settings (Unit1Language.cpp).
    // One item per language, by its own name, in the order of the list of languages.
    void createLanguageItems();
    void switchLanguage(int language);
    // The main window's texts in the language of the installed catalog, once a language has been
    // chosen; until then it keeps its first-start texts.
    void applyLanguage(int language);
    // Reads the settings each time this window gets the focus, until a file is found.
    void watchActivation();
    void FormActivate();

    // The table size in the View menu (Unit1View.cpp).
    void createTableSizeMenu();
    void applyTableSizeLanguage(int language);
    // Checks the size view.ini holds and offers the sizes that fit the screen.
    void checkTableSize();
    void offerTableSizes(int language);
    // This window on the screen it is on now.
    tablescale::Placement placement() const;
    void tableSizeChosen(int percent);
    // Returns only when the table keeps its size on this screen.
    void fitScreen(const QString& gamePath);
    // Once, in a run that could not show the kept size.
    void tellSizeFallback();

    // Mouse play (Unit1Play.cpp).
    void ImageJeuMouseUp(Qt::MouseButton button, int X, int Y);
    // What a click on cell (row, col) does: the mouse release and the keyboard both come here.
    void cellClicked(int row, int col);
    // Enter or Space on the cell cursor.
    void cellKeyed(int row, int col);
    // Tells a screen reader what an action on the cell changed; a card laid there was named
    // already, as the talon.
    void actedOn(int row, int col, bool laid = false);
    // Said through a screen reader only, with the next announcement.
    void say(const QString& text);
    // The table's letter keys, the rank keys and the edge word (Unit1Play.cpp).
    void createTableKeys();
    void ImageTalonMouseDown(Qt::MouseButton button, int X, int Y);
    void ImageTalonMouseMove(int X, int Y);
    void ImageTalonMouseUp(Qt::MouseButton button, int X, int Y);
    void showRevealed(int row, int col, const vestorine::RevealResult& revealed);
    // True when the game took the talon.
    bool placeTalon(int row, int col);

    // Painting, status and blinking (Unit1Deal.cpp).
    void paintPlaceholder(int row, int col);
    void paintFace(int row, int col, int card);
    void paintBack(int row, int col);
    void paintTalon(int card);
    void paintAllPlaceholders();
    void showStatus();
    // Yellow, at `points` points; 0 keeps the size.
    void setStatusFont(int points);
    void startBlinking();
    // The lottery, the reward of a won game (Unit1.cpp).
    void showLotoWindow();

    // The deal (Unit1Deal.cpp).
    // A new deal, or deal `number` (1..999,999,999) again.
    void runDeal(int number);
    void dealCards(int number);
    void Delay(int ms);
    // Runs `action` now, or once the deal has ended when one is running: nothing asked for
    // meanwhile (a menu item, a close request, another deal) runs into it.
    void outsideDeal(std::function<void()> action);

    GameSession* m_session;
    vestorine::GameState& m_game;
    vestorine::CardBackChoice& m_back;
    TFormApropos* m_apropos = nullptr;
    TFormDos* m_dos = nullptr;
    TFormLoto* m_loto = nullptr;
    TFormStats* m_stats = nullptr;

    int CardWidth = 0;
    int CardHeight = 0;
    TableGeometry m_geometry{0, 0};
    QString SavedInfoText;
    bool Dragging = false;
    int DragStartX = 0;
    int DragStartY = 0;
    int m_dealDelay = 50;
    bool m_dealing = false;
    std::vector<std::function<void()>> m_afterDeal;
    TFormDeal* m_dealDialog = nullptr;

    CardImage* ImageTalon = nullptr;
    CardImage* ImageJeu = nullptr;
    CellCursor* m_cursor = nullptr;
    TableCells* m_cells = nullptr;
    TableKeys* m_keys = nullptr;
    TFormKeys* m_keysWindow = nullptr;
    StatusAnnouncer* m_announcer = nullptr;
    QLabel* LabelCartes = nullptr;
    QLabel* LabelInfo = nullptr;
    QToolButton* SpeedButtonDeal = nullptr;
    QTimer* TimerBlinking = nullptr;

    QMenu* MenuFile = nullptr;
    QAction* MenuDeal32 = nullptr;
    QAction* MenuResume = nullptr;
    QAction* MenuStats = nullptr;
    QAction* MenuReplay = nullptr;
    QAction* MenuChooseDeal = nullptr;
    QAction* Menuquitter = nullptr;
    QAction* MenuDos = nullptr;
    QMenu* MenuLangue = nullptr;
    std::vector<QAction*> m_languageItems; // in the order of the list of languages
    bool m_languageChosen = false;         // the first-start texts are shown until then
    QMenu* MenuView = nullptr;
    QAction* MenuFourColour = nullptr;
    QMenu* MenuTableSize = nullptr;
    std::vector<QAction*> m_tableSizes;
    QMenu* MenuInfo = nullptr;
    QAction* menulisezmoi = nullptr;
    QAction* MenuApropos = nullptr;
    QAction* MenuKeys = nullptr;
    QAction* Menuloto = nullptr;
};
