#pragma once

#include <QMainWindow>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "table/TableGeometry.h"

namespace vestorine {
class GameState;
struct CardBackChoice;
struct RevealResult;
enum class StatisticsEvent;
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
class StatisticsKeeper;
class TFormApropos;
class TFormDos;
class TFormLoto;
class TFormStats;

// The main window: the table, the deal and the mouse play, its code spread over Unit1*.cpp by
// job as the sections below say.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(vestorine::GameState& game, vestorine::CardBackChoice& back, QWidget* parent = nullptr);
    ~TForm1() override;

    // The windows this one opens; they are created after it.
    void setCompanions(TFormApropos* apropos, TFormDos* dos, TFormLoto* loto);
    void setStatsWindow(TFormStats* stats) { m_stats = stats; }
    // The counts of the games, told what each game reported.
    StatisticsKeeper& statistics() { return *m_statistics; }

    // For tests: the pause between two dealt cards, 50 ms in play.
    void setDealDelay(int ms) { m_dealDelay = ms; }
    // For tests: where the settings file is read and written.
    void setSettingsFolder(const QString& folder) { m_settingsFolder = folder; }

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
    void MenuEnglishClick();
    void MenuFrancaisClick();
    void menulisezmoiClick();
    void MenuAproposClick();
    void MenuKeysClick();
    void MenulotoClick();
    void TimerBlinkingTimer();

    // Ends the program from its Quit item or its close button, writing the settings once.
    void endProgram();

    // Language and settings (Unit1Language.cpp).
    void switchLanguage(int language);
    // Reads the settings each time this window gets the focus, until a file is found.
    void watchActivation();
    void FormActivate();
    void save_configuration();

    // Mouse play (Unit1Play.cpp).
    void ImageJeuMouseUp(Qt::MouseButton button, int X, int Y);
    // What a click on cell (row, col) does: the mouse release and the keyboard both come here.
    void cellClicked(int row, int col);
    // Enter or Space on the cell cursor.
    void cellKeyed(int row, int col);
    // Tells a screen reader what an action on the cell changed.
    void actedOn(int row, int col);
    // The table's letter keys, the rank keys and the edge word (Unit1Play.cpp).
    void createTableKeys();
    void ImageTalonMouseDown(Qt::MouseButton button, int X, int Y);
    void ImageTalonMouseMove(int X, int Y);
    void ImageTalonMouseUp(Qt::MouseButton button, int X, int Y);
    void showRevealed(int row, int col, const vestorine::RevealResult& revealed);
    void placeTalon(int row, int col);
    // Passes on to the statistics what the game reported, if anything.
    void record(std::optional<vestorine::StatisticsEvent> event);

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
    void dealCards();
    void Delay(int ms);
    // Runs `action` now, or once the deal has ended when one is running: nothing asked for
    // meanwhile (a menu item, a close request, another deal) runs into it.
    void outsideDeal(std::function<void()> action);

    vestorine::GameState& m_game;
    vestorine::CardBackChoice& m_back;
    TFormApropos* m_apropos = nullptr;
    TFormDos* m_dos = nullptr;
    TFormLoto* m_loto = nullptr;
    TFormStats* m_stats = nullptr;
    StatisticsKeeper* m_statistics = nullptr;

    int CardWidth = 0;
    int CardHeight = 0;
    TableGeometry m_geometry{0, 0};
    QString SavedInfoText;
    bool Dragging = false;
    int DragStartX = 0;
    int DragStartY = 0;
    int m_dealDelay = 50;
    bool m_ending = false;
    bool m_dealing = false;
    std::vector<std::function<void()>> m_afterDeal;
    bool ConfigLoaded = false;
    // The settings as they stood after a file that could not be read: the exit writes the file
    // only if the player has changed them since.
    std::optional<std::string> m_settingsAtUnreadable;
    QString m_settingsFolder;

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
    QAction* MenuStats = nullptr;
    QAction* Menuquitter = nullptr;
    QAction* MenuDos = nullptr;
    QMenu* MenuLangue = nullptr;
    QAction* MenuEnglish = nullptr;
    QAction* MenuFrancais = nullptr;
    QMenu* MenuInfo = nullptr;
    QAction* menulisezmoi = nullptr;
    QAction* MenuApropos = nullptr;
    QAction* MenuKeys = nullptr;
    QAction* Menuloto = nullptr;
};
