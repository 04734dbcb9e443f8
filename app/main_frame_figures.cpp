// The frame's figure commands: the chooser, and the pane that shows the figure being
// played beside the play area.

#include <QAction>
#include <QDockWidget>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "app/figure_chooser_dlg.h"
#include "app/main_frame.h"
#include "app/player_settings.h"
#include "view/figure_pane.h"
#include "view/morvane_view.h"

void CMainFrame::createFigureCommands() {
  m_chooseFigureAct = new QAction(tr("Choose &Figure..."), this);
  m_chooseFigureAct->setShortcut(Qt::CTRL | Qt::Key_F);
  m_chooseFigureAct->setToolTip(tr("Choose Figure"));
  m_chooseFigureAct->setStatusTip(tr("Choose a figure and start a puzzle of it"));
  m_moreFiguresAct = new QAction(tr("&More Figures..."), this);
  m_moreFiguresAct->setToolTip(tr("More Figures"));
  m_moreFiguresAct->setStatusTip(tr("Choose from every figure and start a puzzle of it"));
  for (QAction* choose : {m_chooseFigureAct, m_moreFiguresAct})
    connect(choose, &QAction::triggered, this, &CMainFrame::OnChooseFigure);

  m_figurePane = new CFigurePane(m_game);
  m_figureDock = new QDockWidget(tr("Figure"), this);
  // The name under which the window's saved state keeps the pane's place.
  m_figureDock->setObjectName(QStringLiteral("FigureOutline"));
  m_figureDock->setWidget(m_figurePane);
  addDockWidget(Qt::RightDockWidgetArea, m_figureDock);
  m_figureDock->setVisible(FigureOutlineShown());
  // The dock names its toggle after its title; the menu item has a text of its own.
  QAction* shown = m_figureDock->toggleViewAction();
  shown->setText(tr("Figure Out&line"));
  shown->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
  shown->setToolTip(tr("Toggle Figure Outline"));
  shown->setStatusTip(tr("Show or hide the figure being played beside the play area"));
  connect(shown, &QAction::toggled, this, &SaveFigureOutlineShown);
  // The keys stay the frame's, so that they work with the menu bar hidden by a desktop.
  addActions({m_chooseFigureAct, shown});

  // The pane draws from the record: it follows every change of the puzzle, and of the
  // chosen shape, which it shows until the first Generate.
  connect(m_pView, &CMorvaneView::GameChanged, m_figurePane, qOverload<>(&QWidget::update));
  for (QAction* shape : m_shapeActs)
    connect(shape, &QAction::triggered, m_figurePane, qOverload<>(&QWidget::update));
}

void CMainFrame::OnChooseFigure() {
  CFigureChooserDlg dialog(BuiltInFigures(m_game.Book()), m_game.NextShape(), this);
  m_runModal(dialog);
  const std::optional<wendrel::Shape> chosen = dialog.Chosen();
  if (!chosen)
    return;
  m_pView->SetShape(*chosen);
  SaveShape(*chosen);
  ShowShape(*chosen);
  m_pView->OnGenerate();
  m_figurePane->update();
}

void CMainFrame::setVisible(bool visible) {
  // Qt opens a window that was given no size at its size hint, bounded by two thirds of
  // the screen. Sizing it here, first, keeps that bound off the pane's width.
  if (visible && !testAttribute(Qt::WA_Resized))
    resize(openingSize());
  QMainWindow::setVisible(visible);
}

QSize CMainFrame::openingSize() const {
  int pane = 0;
  const Qt::DockWidgetArea area = dockWidgetArea(m_figureDock);
  if (!m_figureDock->isHidden() && !m_figureDock->isFloating() &&
      (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea)) {
    pane = m_figureDock->sizeHint().width() +
           style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
  }
  const QSize hint = sizeHint();
  const QSize screenSize = screen()->geometry().size();
  const QSize size(std::min(hint.width() - pane, screenSize.width() * 2 / 3) + pane,
                   std::min(hint.height(), screenSize.height() * 2 / 3));
  return size.boundedTo(screen()->availableGeometry().size());
}
