#include "app/control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/design_measures.h"
#include "app/program_picture.h"

namespace ppexport::app {

namespace {
using window::ControlKind;

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

Qt::CheckState checkState(int checked) {
  switch (checked) {
    case 1:
      return Qt::Checked;
    case 2:
      return Qt::PartiallyChecked;
    default:
      return Qt::Unchecked;
  }
}

void paint(QWidget* widget, QColor background, std::optional<QColor> text = std::nullopt) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  if (text) palette.setColor(QPalette::WindowText, *text);
  widget->setPalette(palette);
}
}  // namespace

ControlWidgets::ControlWidgets(QWidget* window, const std::vector<window::Control>& controls,
                               Events events)
    : window_(window), events_(std::move(events)) {
  widgets_.resize(controls.size());
  entries_.resize(controls.size());
  for (std::size_t index = 0; index < controls.size(); ++index) {
    const window::Control& control = controls[index];
    QWidget* parent = control.container == -1 ? window : widget(control.container);
    widgets_[index] = make(parent, control, static_cast<int>(index));
    widgets_[index]->setObjectName(QLatin1String(control.name.data(),
                                                 static_cast<qsizetype>(control.name.size())));
    widgets_[index]->setGeometry(designRect(control.place));
  }
  for (std::size_t index = 0; index < controls.size(); ++index) {
    if (controls[index].labelFor == -1) continue;
    if (auto* label = qobject_cast<QLabel*>(widgets_[index])) {
      label->setBuddy(widget(controls[index].labelFor));
    }
  }
  // A program picture is drawn for the size the design gives it.
  for (std::size_t index = 0; index < controls.size(); ++index) {
    if (controls[index].kind != ControlKind::Picture) continue;
    auto* picture = static_cast<QLabel*>(widgets_[index]);
    picture->setPixmap(programPicture(picture->size(), window->devicePixelRatioF()));
  }
  update(controls);
}

QWidget* ControlWidgets::make(QWidget* parent, const window::Control& control, int index) {
  switch (control.kind) {
    case ControlKind::Picture:
      return new QLabel(parent);
    case ControlKind::Label:
    case ControlKind::StatusLine: {
      auto* label = new QLabel(parent);
      label->setWordWrap(control.wordWrap);
      // Captions beside boxes and notes of several lines stand at the top of their place; a
      // status line is centred in its panel.
      const bool rightAligned = control.align == window::TextAlign::Right;
      if (control.kind == ControlKind::Label && (rightAligned || control.wordWrap)) {
        label->setAlignment((rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
      }
      if (control.kind == ControlKind::StatusLine) {
        label->setFrameShape(QFrame::StyledPanel);
        paint(label, QColor(0xFF, 0xF4, 0xCE), QColor(0x5C, 0x40, 0x00));
      }
      return label;
    }
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(parent);
      QObject::connect(box, &QLineEdit::textChanged, window_, [this, index](const QString& text) {
        if (!updating_) events_.textChanged(index, text.toStdString());
      });
      return box;
    }
    case ControlKind::ComboBox: {
      auto* list = new QComboBox(parent);
      // An editable list that keeps what is typed: no completion that would change the text
      // behind the user's back, and no entry added by pressing Enter.
      list->setEditable(true);
      list->setCompleter(nullptr);
      list->setInsertPolicy(QComboBox::NoInsert);
      list->setMaxVisibleItems(16);
      QObject::connect(list, &QComboBox::editTextChanged, window_,
                       [this, index](const QString& text) {
                         if (!updating_) events_.textChanged(index, text.toStdString());
                       });
      QObject::connect(list, &QComboBox::activated, window_, [this, index](int entry) {
        if (!updating_) events_.entryChosen(index, entry);
      });
      return list;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::Button: {
      QAbstractButton* button = nullptr;
      if (control.kind == ControlKind::CheckBox) button = new QCheckBox(parent);
      if (control.kind == ControlKind::OptionButton) {
        button = new QRadioButton(parent);
        // The model decides which option is chosen.
        button->setAutoExclusive(false);
      }
      if (control.kind == ControlKind::Button) {
        auto* push = new QPushButton(parent);
        push->setAutoDefault(false);
        button = push;
      }
      QObject::connect(button, &QAbstractButton::clicked, window_, [this, index] {
        if (!updating_) events_.clicked(index);
      });
      return button;
    }
    case ControlKind::Frame:
      return new QGroupBox(parent);
    case ControlKind::Line: {
      auto* line = new QFrame(parent);
      line->setFrameShape(QFrame::NoFrame);
      paint(line, QColor(128, 128, 128));
      return line;
    }
  }
  return new QWidget(parent);
}

int ControlWidgets::controlOf(const QObject* widget) const {
  for (std::size_t index = 0; index < widgets_.size(); ++index) {
    const QWidget* control = widgets_[index];
    if (control == widget) return static_cast<int>(index);
    if (auto* list = qobject_cast<const QComboBox*>(control)) {
      if (list->lineEdit() == widget) return static_cast<int>(index);
    }
  }
  return -1;
}

void ControlWidgets::update(const std::vector<window::Control>& controls) {
  updating_ = true;
  for (std::size_t index = 0; index < controls.size(); ++index) {
    const window::Control& control = controls[index];
    QWidget* widget = widgets_[index];
    const QSignalBlocker quiet(widget);
    const QString text = fromUtf8(control.text);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (control.kind != ControlKind::Picture && label->text() != text) label->setText(text);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      if (box->text() != text) box->setText(text);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
      if (entries_[index] != control.entries) {
        list->clear();
        for (const std::string& entry : control.entries) list->addItem(fromUtf8(entry));
        entries_[index] = control.entries;
      }
      if (list->currentIndex() != control.selected) list->setCurrentIndex(control.selected);
      if (list->currentText() != text) list->setEditText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      if (button->text() != text) button->setText(text);
      if (auto* checkBox = qobject_cast<QCheckBox*>(button)) {
        // Only a grey state lets the box show grey.
        checkBox->setTristate(control.checked == 2);
        if (checkBox->checkState() != checkState(control.checked)) {
          checkBox->setCheckState(checkState(control.checked));
        }
      } else if (button->isCheckable() && button->isChecked() != (control.checked == 1)) {
        button->setChecked(control.checked == 1);
      }
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
      if (frame->title() != text) frame->setTitle(text);
    }
    const QRect place = designRect(control.place);
    if (widget->geometry() != place) widget->setGeometry(place);
    if (widget->isEnabled() != control.enabled) widget->setEnabled(control.enabled);
    if (widget->isHidden() == control.visible) widget->setHidden(!control.visible);
  }
  updating_ = false;
}

}  // namespace ppexport::app
