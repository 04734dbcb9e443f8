#pragma once

#include <QKeySequence>
#include <QList>
#include <QMainWindow>

#include "app/dialog_runner.h"

class CMorvaneView;
class QAction;
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
  };

  // Modal dialogs of the frame run through runModal, which must outlive the frame.
  CMainFrame(UserServices& services, const DialogRunner& runModal);

  CMorvaneView& View() const { return *m_pView; }
  Commands Actions() const;

  void OnInstructions();
  void OnTermsOfUse();
  void OnMoreGames();

 protected:
  bool event(QEvent* event) override;

 private:
  void createActions();
  QAction* keyCommand(const QString& text, const QList<QKeySequence>& keys, const QString& prompt);
  void createToolBars();
  void createStatusBar();
  void createMenus();
  void showIdleMessage();

  UserServices& m_services;
  const DialogRunner& m_runModal;
  CMorvaneView* m_pView;
  QStatusBar* m_wndStatusBar = nullptr;
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
};
