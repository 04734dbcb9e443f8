#pragma once

#include <QMainWindow>

class CMorvaneApp;
class CMorvaneDoc;
class CMorvaneView;
class QAction;
class QStatusBar;
class QToolBar;
class UserServices;

// The main window: the menu, the toolbar, the status bar and the keys, with the puzzle view
// as its only client. It wires each command to the object that handles it, and handles the
// Help commands that show information (the About box belongs to the application).
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame(CMorvaneApp& app, CMorvaneDoc& doc, UserServices& services);

  CMorvaneView& View() const { return *m_pView; }

  void OnInstructions();
  void OnTermsOfUse();
  void OnMoreGames();

 protected:
  bool event(QEvent* event) override;

 private:
  void createActions();
  void createToolBars();
  void createStatusBar();
  void createMenus();
  void showIdleMessage();

  CMorvaneApp& m_app;
  CMorvaneDoc& m_doc;
  UserServices& m_services;
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
};
