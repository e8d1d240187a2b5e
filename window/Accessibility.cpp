#include "Accessibility.h"

#include "BrickView.h"

#include <QAccessibleWidget>

namespace tessaro {
namespace {

class BrickAccessible : public QAccessibleWidget {
public:
    explicit BrickAccessible(BrickView* view)
        : QAccessibleWidget(view, view->isClickable() ? QAccessible::Button : QAccessible::Graphic)
    {
    }

    QStringList actionNames() const override
    {
        return brick()->isClickable() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            brick()->click();
    }

private:
    BrickView* brick() const { return static_cast<BrickView*>(widget()); }
};

QAccessibleInterface* brickFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("tessaro::BrickView") && object && object->isWidgetType())
        return new BrickAccessible(static_cast<BrickView*>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(brickFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tessaro
