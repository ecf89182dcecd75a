#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

namespace numora {

class Forms;

// Base of every window of the program. The registry creates it, sets its objectName to the
// registered name and calls load() once. Its close box unloads it.
class Form : public QWidget
{
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::Window);

    // The window's load steps; the registry calls this once, right after creating the window.
    virtual void load() {}

protected:
    // Unloads the window; override where a close request means more (the main window).
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    friend class Forms;
    Forms *m_registry = nullptr;
};

// The named windows of the program. Each exists at most once: it is created and loaded on first
// reference and stays loaded, shown or hidden, until it is unloaded.
class Forms
{
public:
    using Factory = std::function<QWidget *()>;

    Forms() = default;
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    // Registering a name again replaces its factory; a loaded window stays as it is.
    void registerForm(const QString &name, Factory factory);

    // The window, created and loaded if it is not loaded; nullptr for an unregistered name.
    QWidget *form(const QString &name);
    template<class T>
    T *form(const QString &name)
    {
        return dynamic_cast<T *>(form(name));
    }

    // Modeless: creates and loads if needed, shows, raises and activates.
    QWidget *show(const QString &name);
    // Visible off; like any property of a window, hiding one that is not loaded loads it.
    void hide(const QString &name);

    // Discards the window: at once not loaded, the object deleted later (safe from the window's
    // own slots). The next reference builds a fresh one in its design state.
    void unload(const QString &name);
    // Unloads `window` if it is the loaded instance of its name.
    void unload(QWidget *window);
    void unloadAll(); // newest first

    bool isVisible(const QString &name) const; // never creates
    bool isLoaded(const QString &name) const;
    QStringList loadedNewestFirst() const;

private:
    struct Entry
    {
        QString name;
        QPointer<QWidget> widget;
    };

    std::vector<Entry>::iterator findLoaded(const QString &name);
    std::vector<Entry>::const_iterator findLoaded(const QString &name) const;
    void discard(std::vector<Entry>::iterator it);

    std::map<QString, Factory> m_factories;
    std::vector<Entry> m_loaded; // oldest first
};

// The program's window registry.
Forms &forms();

} // namespace numora
