#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <QToolBar>
#include <QToolButton>
#include <memory>
#include <vector>

#include "app/main_frame.h"
#include "app/morvane_app.h"
#include "tests/support/recording_user_services.h"
#include "view/morvane_view.h"

// The recorder, also noting the owner of each message box.
class OwnerRecordingServices : public RecordingUserServices {
 public:
  void MessageBox(QWidget* owner, const QString& text, const QString& caption, Icon icon) override {
    owners.push_back(owner);
    RecordingUserServices::MessageBox(owner, text, caption, icon);
  }

  std::vector<QWidget*> owners;
};

// The program as a player finds it after starting it with the given arguments: its main
// window shown (offscreen) and active, the desktop replaced by the recorder.
class StartedApp : public ::testing::Test {
 protected:
  void SetUp() override;
  // Starts the program; the default SetUp starts it with no arguments.
  void Start(const QStringList& arguments);

  CMainFrame& Frame() const { return *app->MainFrame(); }
  CMorvaneView& View() const { return Frame().View(); }
  // The menu with this title, and the item with this text in it.
  QMenu* Menu(const QString& title) const;
  QAction* MenuItem(const QString& title, const QString& text) const;
  QToolBar* ToolBar() const;
  // The toolbar button that shows this tooltip.
  QToolButton* ToolButton(const QString& toolTip) const;
  // What the message pane of the status bar says.
  QString StatusMessage() const;

  OwnerRecordingServices services;
  std::unique_ptr<CMorvaneApp> app;
};

// The texts of a menu's items in order, a separator as "-".
QStringList ItemTexts(const QMenu* menu);

// Where every triangle of the puzzle lies now: equal for the same puzzle in the same places.
std::vector<double> Layout(const wendrel::PieceSet& pieces);

// Seeds that the built-in outline is known to generate from.
inline constexpr std::int32_t kSeed = 12345;
inline constexpr std::int32_t kOtherSeed = 777;
