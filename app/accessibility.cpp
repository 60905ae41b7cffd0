// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/accessibility.h"

#include <QAccessibleWidget>

#include "app/image_box.h"

namespace {

class ImageBoxAccessible final : public QAccessibleWidget {
 public:
  explicit ImageBoxAccessible(ImageBox* box) : QAccessibleWidget(box) {}

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

// Asked for each class of an object from the most derived on; the first
// interface given is kept for the object's life, so the choice never
// depends on what is set up later.
QAccessibleInterface* Create(const QString& className, QObject* object) {
  QWidget* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (className == QLatin1String("ImageBox")) {
    return new ImageBoxAccessible(static_cast<ImageBox*>(widget));
  }
  // A plain window would otherwise pass for a filler of no meaning.
  if (className == QLatin1String("QWidget") && widget->isWindow()) {
    return new QAccessibleWidget(widget, QAccessible::Window);
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
