#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <memory>
#include <optional>

#include "app/dialog_runner.h"
#include "app/morvane_doc.h"
#include "app/my_figures.h"
#include "app/player_settings.h"
#include "app/remembered_game.h"
#include "assembly/puzzle_game.h"

class CMainFrame;
class QDialog;
class UserServices;
struct CommandLineInfo;

// The application: starts up with one main frame, one document and one view for the whole
// run, wires every command to the object that handles it, and handles the commands that
// belong to the program as a whole: New, Open and About.
class CMorvaneApp {
  Q_DECLARE_TR_FUNCTIONS(CMorvaneApp)

 public:
  explicit CMorvaneApp(UserServices& services);
  ~CMorvaneApp();

  // Sets up the settings names and the icon, makes the document as the command line says,
  // then the main frame with its view, and shows it. False when the file named on the
  // command line cannot be opened (it has been reported); the program should then end.
  bool InitInstance(const CommandLineInfo& cmdInfo);

  // Ctrl+N: the document starts afresh and the view is set up again; the puzzle stays.
  void OnFileNew();
  // Ctrl+O: the open dialog; the chosen file is opened (and nothing read from it), and the
  // view is set up again.
  void OnFileOpen();
  void OnAppAbout();

  // The program's modal dialogs run through here. Tests put in a runner that looks at the
  // dialog and returns instead of waiting for a user.
  void RunModal(QDialog& dialog) const;
  void SetDialogRunner(DialogRunner runner);

  CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
  // Remembers the game, when Remember Game on Exit is on and no drag is open: after a
  // gesture in the background, at close before the window goes. The window's closing and
  // the gestures' timer call it.
  void RememberGame(bool atClose = false);

 private:
  // The program's routing table: which object handles each command of the frame.
  void RouteCommands();
  // The figure a command line or the settings name: the program's or the player's, else a
  // figure file for this run; the default figure when there is none, with a message for a
  // command line's.
  wendrel::FigureRef ChosenFigure(const std::optional<std::string>& given);

  UserServices& m_services;
  CMorvaneDoc m_doc;
  // Before the frame, which runs its dialogs through it and plays the game.
  DialogRunner m_runModal;
  SettingsSolveBook m_solveBook;
  wendrel::PuzzleGame m_game;
  MyFigures m_myFigures;
  std::unique_ptr<CMainFrame> m_pMainFrame;
  // Runs from the first gesture after a write until the next write.
  QTimer m_rememberTimer;
  // Last, so that it goes first: its writes are done while the frame that hears of their
  // failures still stands.
  RememberedGame m_remembered{m_services};
};
