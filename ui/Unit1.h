#pragma once

#include <QMainWindow>

namespace vestorine {
class GameState;
struct CardBackChoice;
} // namespace vestorine

class TFormApropos;
class TFormDos;
class TFormLoto;

// The main window: the table, the deal and the mouse play.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(vestorine::GameState& game, vestorine::CardBackChoice& back, QWidget* parent = nullptr);

    // The windows this one opens; they are created after it.
    void setCompanions(TFormApropos* apropos, TFormDos* dos, TFormLoto* loto);

private:
    vestorine::GameState& m_game;
    vestorine::CardBackChoice& m_back;
    TFormApropos* m_apropos = nullptr;
    TFormDos* m_dos = nullptr;
    TFormLoto* m_loto = nullptr;
};
