#include "tests/app/started_app.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include "app/command_line_info.h"

void StartedApp::SetUp() {
  Start({});
}

void StartedApp::Start(const QStringList& arguments) {
  app = std::make_unique<CMorvaneApp>(services);
  ASSERT_TRUE(app->InitInstance(ParseCommandLine(arguments)));
  Frame().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
}

QMenu* StartedApp::Menu(const QString& title) const {
  for (QAction* action : Frame().menuBar()->actions()) {
    if (action->text() == title)
      return action->menu();
  }
  ADD_FAILURE() << "no menu " << title.toStdString();
  return nullptr;
}

QAction* StartedApp::MenuItem(const QString& title, const QString& text) const {
  if (QMenu* menu = Menu(title)) {
    for (QAction* action : menu->actions()) {
      if (action->text() == text)
        return action;
    }
  }
  ADD_FAILURE() << "no item " << text.toStdString() << " in " << title.toStdString();
  return nullptr;
}

QToolBar* StartedApp::ToolBar() const {
  return Frame().findChild<QToolBar*>();
}

QToolButton* StartedApp::ToolButton(const QString& toolTip) const {
  for (QAction* action : ToolBar()->actions()) {
    if (!action->isSeparator() && action->toolTip() == toolTip) {
      return qobject_cast<QToolButton*>(ToolBar()->widgetForAction(action));
    }
  }
  ADD_FAILURE() << "no toolbar button " << toolTip.toStdString();
  return nullptr;
}

QString StartedApp::StatusMessage() const {
  return Frame().statusBar()->currentMessage();
}

QStringList ItemTexts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return texts;
}

std::vector<double> Layout(const wendrel::PieceSet& pieces) {
  std::vector<double> coordinates;
  for (int t = 0; t < pieces.PlacedCount(); ++t) {
    const wendrel::Triangle& triangle = pieces.Placed(t);
    for (const wendrel::DPoint& p : {triangle.a, triangle.b, triangle.c}) {
      coordinates.push_back(p.x);
      coordinates.push_back(p.y);
    }
  }
  return coordinates;
}
