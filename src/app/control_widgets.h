#pragma once
// The widgets of a window model's controls: one Qt widget per Control, made from the model's
// design table, and kept showing what the model holds.

#include <QWidget>
#include <functional>
#include <vector>

#include "window/controls.h"

namespace ppexport::app {

class ControlWidgets {
 public:
  // What a widget tells the model: the user typed text, picked a list entry, or clicked.
  struct Events {
    std::function<void(int control, const std::string& text)> textChanged;
    std::function<void(int control, int entry)> entryChosen;
    std::function<void(int control)> clicked;
  };

  // Makes a widget for every control in window (a control in a frame inside the frame's widget),
  // named as the control, at its design place, showing what it holds.
  ControlWidgets(QWidget* window, const std::vector<window::Control>& controls, Events events);

  QWidget* widget(int control) const { return widgets_[static_cast<std::size_t>(control)]; }
  int controlOf(const QObject* widget) const;

  // Copies the controls into the widgets, setting only what differs, without the widgets telling
  // the model about it.
  void update(const std::vector<window::Control>& controls);

 private:
  QWidget* make(QWidget* parent, const window::Control& control, int index);

  QWidget* window_;
  Events events_;
  std::vector<QWidget*> widgets_;
  std::vector<std::vector<std::string>> entries_;  // what each list shows
  bool updating_ = false;
};

}  // namespace ppexport::app
