#pragma once
// What the window models ask of the view beyond the state of the controls: a repaint in the middle
// of a long event, the keyboard focus, and opening and closing windows.
//
// How a view binds: it implements the calls it needs (each has an empty default) and hands the
// observer to ExportModel::setObserver before startUp(). The calls come in the middle of an event;
// a view that closes a window there must not destroy what is still on the call stack (Qt:
// deleteLater; Win32: DestroyWindow from the window's own procedure is fine).

namespace ppexport::window {

enum class ExportControl;

class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  // The model changed controls and is about to run something long (Create asks QuickBooks): copy
  // the controls of both windows into the view now and let the screen repaint, without taking
  // user input.
  virtual void refresh() {}
  // The keyboard focus goes to control of the main window; with caretAtEnd the caret stands
  // after the control's last character. Several calls in one event apply in order.
  virtual void focus(ExportControl control, bool caretAtEnd) {
    (void)control;
    (void)caretAtEnd;
  }
  // The custom format editor opened, or is asked for again while open: show it, bring it to the
  // front and make it the active window. ExportModel::editor() holds its model.
  virtual void editorOpened() {}
  // The custom format editor closed (Save, Delete, its close box): close its window.
  virtual void editorClosed() {}
  // The History dialog opened: show it modal over the main window, its model in
  // ExportModel::historyDialog(); once it closes, nothing more is asked of the view.
  virtual void historyOpened() {}
  // The Bank connection dialog opened: show it modal over the main window, its model in
  // ExportModel::bankConnectionDialog(); once it closes, nothing more is asked of the view.
  virtual void bankConnectionOpened() {}
  // The main window closed (Close, its close box). The program ends once the editor is closed
  // too.
  virtual void mainWindowClosed() {}
};

}  // namespace ppexport::window
