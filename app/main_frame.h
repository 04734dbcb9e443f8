#pragma once

#include <QKeySequence>
#include <QList>
#include <QMainWindow>

#include "app/dialog_runner.h"
#include "assembly/puzzle_game.h"
#include "io/figure_file.h"
#include "shapes/figure.h"

class CFigurePane;
class CMorvaneView;
class MyFigures;
class QAction;
class QDockWidget;
class QLabel;
class QStatusBar;
class QToolBar;
class UserServices;

// The main window: the menu, the toolbar, the status bar and the keys, with the puzzle view
// as its only client. It makes the commands and shows them; which object handles each one
// is wired by the application. The frame itself handles the Help commands that show
// information in boxes of its own (the About box belongs to the application).
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // The frame's commands, for wiring them to their handlers.
  struct Commands {
    QAction* generate;
    QAction* fileGenerate;
    QAction* exit;
    QAction* statusBar;
    QAction* instructions;
    QAction* termsOfUse;
    QAction* moreGames;
    QAction* about;
    QAction* fileNew;
    QAction* fileOpen;
    QAction* fileSave;
    QAction* filePrint;
    QAction* editUndo;
    QAction* editRedo;
    QAction* generateNumber;
    QAction* restart;
    QAction* hint;
    QAction* solve;
    QAction* statistics;
    QAction* timer;
    QAction* fileSaveAs;
    QAction* remember;
    // One for each shape, in the catalogue's order; checkable, one checked at a time.
    QList<QAction*> shapes;
  };

  // Modal dialogs of the frame run through runModal, the view plays game, and the figure
  // commands keep the player's figures in mine; all must outlive the frame.
  CMainFrame(UserServices& services, wendrel::PuzzleGame& game, MyFigures& mine,
             const DialogRunner& runModal);

  CMorvaneView& View() const { return *m_pView; }
  Commands Actions() const;

  void OnInstructions();
  void OnTermsOfUse();
  void OnMoreGames();
  // Asks for a puzzle number and makes that puzzle with the chosen shape.
  void OnGenerateNumber();
  // Checks the Shape item of a built-in figure, and none for any other.
  void ShowFigure(const wendrel::Figure& figure);
  void OnStatistics();
  // Shows or hides the time pane; the time is kept either way.
  void OnTimer(bool shown);
  // Says how the puzzle was solved.
  void OnPuzzleSolved();
  // Shows text in the message pane until the next prompt replaces it.
  void ShowMessage(const QString& text);

  // The figure chooser: the figure and count picked become the choice, remembered, and a
  // puzzle of it is made at once, one step that undo takes back.
  void OnChooseFigure();
  // File > Open Figure...: a figure file becomes one of the player's own, and a puzzle of
  // it is made as the chooser makes one. A file refused changes nothing.
  void OnOpenFigure();
  void OpenFigureFile(const QString& path);
  // File > New Figure from Picture...: the silhouette of a picture's largest shape, named
  // by the player, becomes one of their own figures, and a puzzle is made of it.
  void OnFigureFromPicture();
  // Checks the Pieces item of pieces (0 for each figure's own).
  void ShowPieces(int pieces);
  // A window that was given no size opens with the figure pane beside the play area that
  // it would have had without the pane.
  void setVisible(bool visible) override;

 signals:
  // The window is about to close, and the game with it.
  void Closing();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // The clock stands still while the window is minimised; Full Screen's check mark
  // follows the window however it went full screen or came back.
  void changeEvent(QEvent* event) override;

 private:
  void createActions();
  QAction* keyCommand(const QString& text, const QList<QKeySequence>& keys, const QString& prompt);
  void createToolBars();
  void createStatusBar();
  void createMenus();
  void showIdleMessage();
  // The puzzle pane and the Edit and File items that depend on the game.
  void showGameState();
  void showPlayingTime();
  QAction* shapeCommand(wendrel::Shape shape);
  // File > Choose Figure..., Shape > More Figures... and the figure pane with its View
  // item; the frame wires them itself, as they act on its own dialog, view and pane.
  void createFigureCommands();
  QSize openingSize() const;
  // The figure and count chosen, remembered, and cut at once.
  void startFigure(const wendrel::FigureRef& figure, int pieces);
  // Adds a figure file's text, read as read, to the player's figures and starts it, if
  // it cuts into pieces reliably; otherwise says why, under caption, and changes nothing.
  void keepFigure(const std::string& text, const wendrel::FigureFileRead& read, int pieces,
                  const QString& refusal, const QString& caption);
  // View > Pause and View > Full Screen, which the frame wires itself: they act on its
  // own view and window.
  void createWindowCommands();

  UserServices& m_services;
  wendrel::PuzzleGame& m_game;
  MyFigures& m_myFigures;
  const DialogRunner& m_runModal;
  CMorvaneView* m_pView;
  QStatusBar* m_wndStatusBar = nullptr;
  // Which puzzle is being played: its shape and number, for a player to pass on.
  QLabel* m_wndPuzzlePane = nullptr;
  // How many groups are left, and the playing time.
  QLabel* m_wndProgressPane = nullptr;
  QLabel* m_wndTimePane = nullptr;
  QToolBar* m_wndToolBar = nullptr;

  QAction* m_generateAct = nullptr;
  QAction* m_fileGenerateAct = nullptr;
  QAction* m_exitAct = nullptr;
  QAction* m_statusBarAct = nullptr;
  QAction* m_instructionsAct = nullptr;
  QAction* m_termsOfUseAct = nullptr;
  QAction* m_moreGamesAct = nullptr;
  QAction* m_aboutAct = nullptr;
  QAction* m_fileNewAct = nullptr;
  QAction* m_fileOpenAct = nullptr;
  QAction* m_fileSaveAct = nullptr;
  QAction* m_filePrintAct = nullptr;
  QAction* m_editUndoAct = nullptr;
  QAction* m_editRedoAct = nullptr;
  QAction* m_generateNumberAct = nullptr;
  QAction* m_restartAct = nullptr;
  QAction* m_hintAct = nullptr;
  QAction* m_solveAct = nullptr;
  QAction* m_statisticsAct = nullptr;
  QAction* m_timerAct = nullptr;
  QAction* m_fileSaveAsAct = nullptr;
  QAction* m_rememberAct = nullptr;
  QList<QAction*> m_shapeActs;
  QAction* m_chooseFigureAct = nullptr;
  QAction* m_moreFiguresAct = nullptr;
  QAction* m_openFigureAct = nullptr;
  QAction* m_figureFromPictureAct = nullptr;
  // Each figure's own count, then 3 to 20.
  QList<QAction*> m_piecesActs;
  QDockWidget* m_figureDock = nullptr;
  CFigurePane* m_figurePane = nullptr;
  QAction* m_pauseAct = nullptr;
  QAction* m_fullScreenAct = nullptr;
};
