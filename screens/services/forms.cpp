#include "screens/services/forms.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBackingStore>
#include <QCloseEvent>
#include <QHideEvent>
#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>

namespace numora {

namespace {

// A window of the program reads to a screen reader as a frame, or as a dialog where its border
// is a dialog's, named by its caption. (A plain widget would read as a filler.)
class AccessibleForm : public QAccessibleWidget
{
public:
    explicit AccessibleForm(QWidget *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    QAccessible::Role role() const override
    {
        if (!widget()->isWindow())
            return QAccessible::Client;
        return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
    }
};

QAccessibleInterface *formAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("numora::Form") && object && object->isWidgetType())
        return new AccessibleForm(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

Form::Form(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    static const bool installed = (QAccessible::installFactory(formAccessible), true);
    Q_UNUSED(installed);
}

void Form::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // A window hidden by the program (not minimised by the user) gives back the picture of
    // itself that it keeps for the screen; it is painted afresh when it shows again. The size
    // is an empty one, 0 x 0, which the window system layers take as "no picture": an invalid
    // size would be read as a huge one.
    if (!event->spontaneous() && isWindow()) {
        if (QBackingStore *store = backingStore())
            store->resize(QSize(0, 0));
    }
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_registry)
        m_registry->unload(this);
}

Forms::~Forms()
{
    // The process-wide registry outlives the application object; its windows go with the process.
    if (!QCoreApplication::instance())
        return;
    for (auto &entry : m_loaded)
        delete entry.widget.data();
}

void Forms::registerForm(const QString &name, Factory factory)
{
    m_factories[name] = std::move(factory);
}

QWidget *Forms::form(const QString &name)
{
    if (auto it = findLoaded(name); it != m_loaded.end())
        return it->widget;

    const auto factory = m_factories.find(name);
    if (factory == m_factories.end()) {
        qWarning("Forms: no window is registered as %s", qPrintable(name));
        return nullptr;
    }
    QWidget *widget = factory->second();
    if (!widget)
        return nullptr;
    widget->setObjectName(name);
    widget->setAttribute(Qt::WA_DeleteOnClose, false);
    // Registered before load() runs, so that load steps referring to the window find this one.
    m_loaded.push_back({name, widget});
    if (auto *f = qobject_cast<Form *>(widget)) {
        f->m_registry = this;
        f->load();
    }
    return widget;
}

QWidget *Forms::show(const QString &name)
{
    QWidget *widget = form(name);
    if (!widget)
        return nullptr;
    widget->show();
    widget->raise();
    widget->activateWindow();
    return widget;
}

void Forms::hide(const QString &name)
{
    if (QWidget *widget = form(name))
        widget->hide();
}

void Forms::unload(const QString &name)
{
    if (auto it = findLoaded(name); it != m_loaded.end())
        discard(it);
}

void Forms::unload(QWidget *window)
{
    auto it = std::find_if(m_loaded.begin(), m_loaded.end(),
                           [window](const Entry &e) { return e.widget == window; });
    if (it != m_loaded.end())
        discard(it);
}

void Forms::unloadAll()
{
    const QStringList names = loadedNewestFirst();
    for (const QString &name : names)
        unload(name);
}

bool Forms::isVisible(const QString &name) const
{
    const auto it = findLoaded(name);
    return it != m_loaded.end() && it->widget->isVisible();
}

bool Forms::isLoaded(const QString &name) const
{
    return findLoaded(name) != m_loaded.end();
}

QStringList Forms::loadedNewestFirst() const
{
    QStringList names;
    for (auto it = m_loaded.rbegin(); it != m_loaded.rend(); ++it) {
        if (it->widget)
            names.append(it->name);
    }
    return names;
}

std::vector<Forms::Entry>::iterator Forms::findLoaded(const QString &name)
{
    return std::find_if(m_loaded.begin(), m_loaded.end(),
                        [&name](const Entry &e) { return e.name == name && e.widget; });
}

std::vector<Forms::Entry>::const_iterator Forms::findLoaded(const QString &name) const
{
    return std::find_if(m_loaded.begin(), m_loaded.end(),
                        [&name](const Entry &e) { return e.name == name && e.widget; });
}

void Forms::discard(std::vector<Entry>::iterator it)
{
    QPointer<QWidget> widget = it->widget;
    m_loaded.erase(it);
    // Entries whose window was deleted behind the registry's back go too.
    std::erase_if(m_loaded, [](const Entry &e) { return e.widget.isNull(); });
    if (!widget)
        return;
    if (auto *f = qobject_cast<Form *>(widget.data()))
        f->m_registry = nullptr;
    widget->hide();
    widget->deleteLater();
}

Forms &forms()
{
    static Forms registry;
    return registry;
}

} // namespace numora
