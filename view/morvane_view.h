#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <memory>
#include <optional>

#include "assembly/piece_set.h"
#include "assembly/play_area.h"
#include "assembly/puzzle_game.h"
#include "shapes/shape_catalogue.h"
#include "view/memory_surface.h"
#include "view/scrolled_mapping.h"
#include "view/user_services.h"

class QPaintDevice;
class QPrinter;

// The one window in which the puzzle is shown and played. The application owns the game
// record and lends it to the view, which keeps what is on the screen only: the off-screen
// surfaces on which a drag draws its picture, the selection and the scroll position.
// Everything it shows is drawn from the record; the mouse and key handlers turn gestures
// into the record's moves, each given the time now and the area the player sees.
//
// The view scrolls over a 960 × 800 logical surface (one unit a pixel, y down); a window
// larger than the surface shows more of the logical plane, and the player plays there too.
class CMorvaneView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  CMorvaneView(UserServices& services, wendrel::PuzzleGame& game, QWidget* parent = nullptr);
  ~CMorvaneView() override;

  // After creation and after every New: the scroll sizes, and once in the view's life
  // the memory surfaces. The puzzle is kept.
  void OnInitialUpdate();
  // Cuts a new puzzle from the seed and shows it; on failure says so and keeps the old one.
  void OnGenerate();
  void OnFileGenerate();
  void OnFilePrint();
  void OnFilePrintDirect();
  void OnFilePrintPreview();
  // The next Generate uses seed instead of the clock; later ones use the clock again.
  void SetNextSeed(std::int32_t seed) { m_game.SetNextNumber(seed); }
  // The figure that Generate cuts from now on, and into how many pieces (0 for its own);
  // the puzzle being played stays.
  void SetShape(wendrel::Shape shape) { m_game.SetNextShape(shape); }
  void SetFigure(wendrel::FigureRef figure, int pieces = 0) {
    m_game.SetNextFigure(std::move(figure), pieces);
  }
  const wendrel::FigureRef& NextFigure() const { return m_game.NextFigure(); }
  // Every piece back where the scatter put it, as one step that undo takes back.
  void OnRestart();
  // Puts an opened game on the board, as one step that undo takes back; its groups are
  // brought into what the window shows. False, changing nothing, when its puzzle cannot
  // be cut.
  bool OpenGame(const wendrel::SavedGame& game);
  // Help: one more piece joined to the selected group (or the largest), or every group
  // joined; each one step that undo takes back. Neither acts while a drag is open.
  void OnHint();
  void OnSolve();
  // The playing time of the puzzle so far, the running clock included.
  std::int64_t PlayingMs() const { return m_game.PlayingMs(Now()); }
  // The clock stands still while the window is minimised.
  void SetClockPaused(bool minimised);
  // The player's pause: the board hidden behind a notice and the clock standing still
  // until the player ends it, whatever the window does meanwhile. While it lasts no
  // gesture or play key acts; a click ends it, and so does every command that changes the
  // board, which shows the board first. Refused while a drag is open.
  void SetPaused(bool paused);
  bool IsPaused() const { return m_bPaused; }
  // The monotonic time that the record's clock is given, in milliseconds.
  static wendrel::Ms Now();
  // Take back the last change of the groups, or make the last one taken back again.
  // Neither acts while a drag is open.
  void OnEditUndo();
  void OnEditRedo();

  const wendrel::PuzzleGame& Game() const { return m_game; }
  const wendrel::PieceSet& Pieces() const { return m_game.Pieces(); }
  int Dragging() const { return m_bDragging; }
  // The memory that the four drag surfaces hold, in bytes.
  qsizetype DragSurfaceBytes() const;
  std::int32_t Seed() const { return m_game.LastNumber(); }
  // The group that the keys act on, or -1.
  int SelectedGroup() const;

 signals:
  // After anything that changes the puzzle or its history, for the frame's panes and
  // the Edit menu.
  void GameChanged();
  // After a move that joined the last two groups, once any "Congratulations!" box is
  // closed.
  void PuzzleSolved();
  // After the player's pause began or ended.
  void PauseChanged(bool paused);

 protected:
  // Sets a painter up for logical units: on the window with the scroll position's point
  // at the top-left corner, on a printer with the logical origin at the page's.
  void OnPrepareDC(QPainter& dc, bool printing = false) const;
  // Draws the whole puzzle: groups from the back (count - 1) to the front (0).
  void OnDraw(QPainter& dc);
  // The printout: the puzzle as it lies, scaled in proportion to fill the page,
  // and centred; an empty view prints an empty page. Whether the device took it.
  bool PrintOn(QPaintDevice& device);
  // Prints on printer, or into its file; a printout that fails is reported in a box
  // with the reason, and a file that cannot take it is left as it was.
  void PrintAndReport(QPrinter& printer);

  // The player's gestures; point is in viewport pixels, as the mouse event gives it.
  void OnLButtonDown(QPoint point);
  void OnMouseMove(QPoint point);
  void OnLButtonUp(QPoint point);
  void OnRButtonDown(QPoint point);
  void OnLButtonDblClk(QPoint point);
  void OnRButtonDblClk(QPoint point);

  // The whole play area, so that the window opens showing all of it where the screen
  // has room (Qt caps it to a part of the screen).
  QSize viewportSizeHint() const override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  // The keys of keyboard play; see morvane_view_keys.cpp.
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  ScrolledMapping Mapping() const;
  // What the player sees and reaches: the surface united with what the window shows.
  wendrel::PlayArea VisibleArea() const;
  // What the window shows now, scrolled as it is: where a new puzzle's pieces start and
  // where help puts the group it helped.
  wendrel::PlayArea ShownArea() const;
  void UpdateScrollBars();
  void CreateSurfaces();
  // Makes the drag surfaces again when the visible area has grown past them, and, when
  // mayShrink, when it needs well under what they hold (the rule is in the .cpp); returns
  // whether it did. A mouse move makes nothing.
  bool FitSurfaces(bool mayShrink);
  // Undo or redo one step of the history, unless a drag is open.
  void StepHistory(wendrel::PuzzleGame::Step (wendrel::PuzzleGame::*step)(const wendrel::PlayArea&,
                                                                          wendrel::Ms));
  using GroupChange = wendrel::PuzzleGame::Change;
  // Repaints after a drop or a key's move, and congratulates when it solved the puzzle.
  void ShowMove(bool solved);
  // Turns or mirrors group g, as one step.
  void ChangeGroup(int g, GroupChange change);
  // The same for the group under point, if any.
  void ChangeGroupAt(QPoint point, GroupChange change);
  // Repaints at once and tells the frame that the game changed.
  void ShowGameChange();
  // The same after the puzzle on the board was replaced.
  void ShowNewPuzzle();
  // The record's clock stands still for either reason to pause: the player's or the
  // minimised window's, so that neither ends the other.
  void SyncPause();
  void EndPause() { SetPaused(false); }
  void DrawPauseNotice(QPainter& dc) const;
  // Keyboard play: the selection and its focus cue.
  void SelectNextGroup(bool backwards);
  void ClearSelection();
  void DrawFocusCue(QPainter& dc) const;
  // The three layers of a drag of group 0, drawn once at the press, on surfaces fitted
  // to the window first.
  void DrawDragLayers();
  // The same on the surfaces as they are, for a resize during the drag.
  void RedrawDragLayers();
  // Composes the whole frame afresh with the group offset by travel.
  void ResetDragFrame(QPoint travel);
  // The next frame, with the group offset by travel: only the rectangle that differs
  // from the last frame is composed again. Returns that rectangle (logical units).
  QRect ComposeDragFrame(QPoint travel);
  // The layers combined into the frame over the logical rectangle area.
  void ComposeDragArea(const QRect& area, QPoint travel);
  // Copies the frame's part under the window rectangle device to the window.
  void ShowDragFrame(QPainter& dc, const QRect& device) const;

  UserServices& m_services;

  std::unique_ptr<MemorySurface> m_pLayerDC;
  std::unique_ptr<MemorySurface> m_pFrameDC;
  std::unique_ptr<QImage> m_pBackgroundBmp;
  std::unique_ptr<QImage> m_pDragImageBmp;
  std::unique_ptr<QImage> m_pDragMaskBmp;
  std::unique_ptr<QImage> m_pFrameBmp;
  int m_bDragging = 0;
  QPoint m_ptDragStart;
  int m_nHitGroup = -1;
  wendrel::PuzzleGame& m_game;
  // A piece of the group that the keys act on, or -1: piece indices, unlike group
  // indices, survive every raise and join.
  int m_nSelectedPiece = -1;

  // The scroll size: none until the first initial update.
  QSize m_sizeTotal;
  // The logical rectangle that the drag surfaces cover, from the origin.
  QRect m_rcSurfaces;
  // Where the dragged group can put a pixel into the layers: its box with a margin.
  QRect m_rcDragGroup;
  // The group's offset in the frame as composed last.
  QPoint m_ptFrameTravel;
  // The window shows the last composed drag frame, and repaints show it again.
  bool m_bFrameShown = false;

  bool m_bMinimised = false;
  bool m_bPaused = false;
  // The press that ended a pause: the double click it may begin plays nothing either.
  bool m_bResumingClick = false;
};
