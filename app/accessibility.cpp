// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/accessibility.h"

#include <QAccessibleWidget>

#include "app/image_box.h"

namespace {

class ImageBoxAccessible final : public QAccessibleWidget {
 public:
  explicit ImageBoxAccessible(ImageBox* box)
      : QAccessibleWidget(box, box->takesClicks() ? QAccessible::Button : QAccessible::Graphic) {}

  QStringList actionNames() const override {
    return box()->takesClicks() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) box()->click();
  }

 private:
  ImageBox* box() const { return static_cast<ImageBox*>(widget()); }
};

QAccessibleInterface* Create(const QString& className, QObject* object) {
  if (className == QLatin1String("ImageBox") && object && object->isWidgetType()) {
    return new ImageBoxAccessible(static_cast<ImageBox*>(object));
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
