// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

#include "app/image_box.h"

namespace {

const char* const kReadingOrder = "khrestykyReadingOrder";

using Controls = QList<QPointer<QWidget>>;

Controls ReadingOrder(const QWidget& window) {
  return window.property(kReadingOrder).value<Controls>();
}

QWidget* ReadingWindow(QWidget* control) {
  if (!control) return nullptr;
  QWidget* window = control->window();
  return ReadingOrder(*window).contains(control) ? window : nullptr;
}

// A window: its children are the controls of its reading order where it
// has one.
class WindowAccessible final : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

  int childCount() const override {
    return ordered() ? static_cast<int>(controls().size()) : QAccessibleWidget::childCount();
  }
  QAccessibleInterface* child(int index) const override {
    if (!ordered()) return QAccessibleWidget::child(index);
    const Controls list = controls();
    if (index < 0 || index >= list.size() || !list[index]) return nullptr;
    return QAccessible::queryAccessibleInterface(list[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!ordered()) return QAccessibleWidget::indexOfChild(child);
    if (!child) return -1;
    return static_cast<int>(controls().indexOf(qobject_cast<QWidget*>(child->object())));
  }
  // The again-buttons lie one on the other: the one that shows is meant.
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int index = 0; index < childCount(); ++index) {
      QAccessibleInterface* control = child(index);
      if (control && !control->state().invisible && control->rect().contains(x, y)) {
        return control;
      }
    }
    return nullptr;
  }

 private:
  bool ordered() const { return widget() && widget()->property(kReadingOrder).isValid(); }
  Controls controls() const { return ReadingOrder(*widget()); }
};

// A control read in its window's reading order is a child of the window.
template <class Base>
class InReadingOrder : public Base {
 public:
  using Base::Base;
  QAccessibleInterface* parent() const override {
    QWidget* window = ReadingWindow(this->widget());
    return window ? QAccessible::queryAccessibleInterface(window) : Base::parent();
  }
};

class ImageBoxAccessible final : public InReadingOrder<QAccessibleWidget> {
 public:
  explicit ImageBoxAccessible(ImageBox* box) : InReadingOrder(box) {}

  // Asked each time: a control comes to take clicks after it is created.
  QAccessible::Role role() const override {
    return box()->takesClicks() ? QAccessible::Button : QAccessible::Graphic;
  }
  QStringList actionNames() const override {
    return box()->takesClicks() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) box()->click();
  }

 private:
  ImageBox* box() const { return static_cast<ImageBox*>(widget()); }
};

// A label: its text, or what it is named; a blank one is not seen.
class LabelAccessible final : public InReadingOrder<QAccessibleWidget> {
 public:
  explicit LabelAccessible(QLabel* label) : InReadingOrder(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return label()->text();
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (label()->text().trimmed().isEmpty()) state.invisible = true;
    return state;
  }

 private:
  QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

// Asked for each class of an object from the most derived on; the first
// interface given is kept for the object's life, so the choice never
// depends on what is set up later.
QAccessibleInterface* Create(const QString& className, QObject* object) {
  QWidget* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (className == QLatin1String("ImageBox")) {
    return new ImageBoxAccessible(static_cast<ImageBox*>(widget));
  }
  // A label of a window's client area, not one of a dialog.
  if (className == QLatin1String("QLabel") && widget->parentWidget() &&
      !widget->parentWidget()->isWindow()) {
    return new LabelAccessible(static_cast<QLabel*>(widget));
  }
  // A plain window would otherwise pass for a filler of no meaning.
  if ((className == QLatin1String("QWidget") || className == QLatin1String("QMainWindow")) &&
      widget->isWindow()) {
    return new WindowAccessible(widget);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static bool installed = false;
  if (installed) return;
  QAccessible::installFactory(Create);
  installed = true;
}

void SetReadingOrder(QWidget& window, const QWidgetList& controls) {
  window.setProperty(kReadingOrder, QVariant::fromValue(Controls(controls.begin(), controls.end())));
}

void ReportShowing(QWidget& label, bool showing) {
  QAccessibleEvent event(&label, showing ? QAccessible::ObjectShow : QAccessible::ObjectHide);
  QAccessible::updateAccessibility(&event);
}
