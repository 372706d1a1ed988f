#pragma once
// What every topic of the series frame holds alike: the random source, the settings read
// at the start of a series, the task on screen and the callback that shows it. A topic
// derives from this and supplies drawing and checking.

#include "series.h"

#include <functional>
#include <optional>
#include <utility>

namespace quorvel {

template <class Settings, class Task, class Base = OneFieldTopic>
class TopicAdapter : public Base {
public:
    using ReadSettings = std::function<Settings()>;
    using ShowTask = std::function<void(const Task&)>;

    TopicAdapter(RandomSource& random, ReadSettings readSettings, ShowTask showTask)
        : m_random(random), m_readSettings(std::move(readSettings)), m_showTask(std::move(showTask))
    {
    }

    // The settings are read once per series, after the generator is seeded.
    void prepareSeries() override { m_settings = readSettings(); }

    const Task& task() const { return m_task; }

    // A topic whose tasks go on Fehlerkartei cards supplies the two halves of its codec:
    // the task as one line of text, and back (nothing when the text is no task of `type`).
    virtual QString encodeTask(const Task& task) const
    {
        Q_UNUSED(task);
        return {};
    }
    virtual std::optional<Task> decodeTask(int type, const QString& text) const
    {
        Q_UNUSED(type);
        Q_UNUSED(text);
        return std::nullopt;
    }

    QString cardText() const override { return encodeTask(m_task); }
    bool poseCard(int type, const QString& text) override
    {
        std::optional<Task> task = decodeTask(type, text);
        if (!task)
            return false;
        show(std::move(*task));
        return true;
    }

protected:
    Settings readSettings() const { return m_readSettings ? m_readSettings() : Settings{}; }
    // The drawn task becomes the one on screen.
    void show(Task task)
    {
        m_task = std::move(task);
        show();
    }
    // Shows m_task as it stands.
    void show()
    {
        if (m_showTask)
            m_showTask(m_task);
    }

    RandomSource& m_random;
    Settings m_settings{};
    Task m_task{};

private:
    ReadSettings m_readSettings;
    ShowTask m_showTask;
};

} // namespace quorvel
