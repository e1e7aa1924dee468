// SPDX-License-Identifier: GPL-3.0-or-later
#include "canberra_sound_player.h"

#include <canberra.h>
#include <dlfcn.h>
#include <link.h>

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using std::chrono::steady_clock;

// Every sound of the table goes under one id, so that one cancel silences them all.
constexpr std::uint32_t kSoundId = 1;
// Sounds asked for while the library is still busy wait, but only a few: a device that stalls
// must not leave a pile of them to play all at once later.
constexpr std::size_t kMostWaiting = 4;
constexpr auto kRetryAfter = std::chrono::seconds(5);
constexpr auto kExitWait = std::chrono::milliseconds(250);

template <typename Function>
bool find(QLibrary& library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

void sayNothing(const char*, int, const char*, int, const char*, ...) {}

// ALSA tells standard error about a missing sound card from inside the library; a game on a
// machine without audio says nothing about it.
void silenceAlsa() {
    QLibrary alsa(QStringLiteral("asound"), 2);
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    int (*setHandler)(Handler) = nullptr;
    if (find(alsa, "snd_lib_error_set_handler", setHandler))
        setHandler(sayNothing);
}

// The few functions of libcanberra the player calls, found when the first sound is due. The
// library stays loaded to the end of the run, as QLibrary leaves it.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_context_cancel) cancel = nullptr;

    static std::optional<Canberra> load() {
        QLibrary library(QStringLiteral("canberra"), 0);
        Canberra c;
        if (!library.load() || !find(library, "ca_context_create", c.create) ||
            !find(library, "ca_context_destroy", c.destroy) ||
            !find(library, "ca_context_change_props", c.changeProps) ||
            !find(library, "ca_context_play", c.play) || !find(library, "ca_context_cancel", c.cancel))
            return std::nullopt;
        silenceAlsa();
        return c;
    }
};

// libcanberra plays each ALSA sound on a thread of its own. Destroying a context waits for those
// threads to say they are done and then unloads the output module, while they may still be on
// their way out through its code. Every output module it has loaded therefore stays in memory to
// the end of the run.
void keepOutputModulesLoaded() {
    std::vector<std::string> modules;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* found) {
            const std::string_view path = info->dlpi_name;
            const std::string_view file = path.substr(path.rfind('/') + 1);
            if (file.starts_with("libcanberra-"))
                static_cast<std::vector<std::string>*>(found)->emplace_back(path);
            return 0;
        },
        &modules);
    for (const std::string& module : modules)
        dlopen(module.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}

struct Request {
    bool stop = false;
    std::string path;
};

}  // namespace

// Shared by the player and its thread, so that a thread left behind at the end still has it.
class CanberraSoundPlayer::Worker {
public:
    void ask(Request request);
    void waitUntilIdle();
    // Asks the thread to end; true once it has, false when it did not within `wait`.
    bool finish(std::chrono::milliseconds wait);
    void run();

private:
    void handle(const Request& request);
    bool openContext();
    void closeContext();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Request> waiting_;
    bool busy_ = false;
    bool ending_ = false;
    bool ended_ = false;

    // Only the thread touches these.
    bool loadTried_ = false;
    bool modulesKept_ = false;
    std::optional<Canberra> canberra_;
    ca_context* context_ = nullptr;
    steady_clock::time_point retryAt_{};
};

void CanberraSoundPlayer::Worker::ask(Request request) {
    {
        const std::lock_guard lock(mutex_);
        if (request.stop)
            waiting_.clear();
        else if (waiting_.size() >= kMostWaiting)
            return;
        waiting_.push_back(std::move(request));
    }
    changed_.notify_all();
}

void CanberraSoundPlayer::Worker::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return (waiting_.empty() && !busy_) || ended_; });
}

bool CanberraSoundPlayer::Worker::finish(std::chrono::milliseconds wait) {
    std::unique_lock lock(mutex_);
    ending_ = true;
    changed_.notify_all();
    return changed_.wait_for(lock, wait, [this] { return ended_; });
}

void CanberraSoundPlayer::Worker::run() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return ending_ || !waiting_.empty(); });
        if (ending_)
            break;
        const Request request = std::move(waiting_.front());
        waiting_.pop_front();
        busy_ = true;
        lock.unlock();
        handle(request);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
    lock.unlock();
    closeContext();
    lock.lock();
    ended_ = true;
    changed_.notify_all();
}

void CanberraSoundPlayer::Worker::handle(const Request& request) {
    if (request.stop) {
        if (context_)
            canberra_->cancel(context_, kSoundId);
        return;
    }
    if (!openContext())
        return;
    const int error = canberra_->play(context_, kSoundId, CA_PROP_MEDIA_FILENAME, request.path.c_str(),
                                      CA_PROP_MEDIA_ROLE, "event", nullptr);
    if (error < 0) {
        closeContext();
        retryAt_ = steady_clock::now() + kRetryAfter;
    } else if (!modulesKept_) {
        keepOutputModulesLoaded();
        modulesKept_ = true;
    }
}

bool CanberraSoundPlayer::Worker::openContext() {
    if (context_)
        return true;
    if (steady_clock::now() < retryAt_)
        return false;
    if (!loadTried_) {
        loadTried_ = true;
        canberra_ = Canberra::load();
    }
    if (!canberra_ || canberra_->create(&context_) < 0) {
        context_ = nullptr;
        retryAt_ = steady_clock::now() + kRetryAfter;
        return false;
    }
    // How the sound server lists the game's sounds.
    canberra_->changeProps(context_, CA_PROP_APPLICATION_NAME, "Zanfel", CA_PROP_APPLICATION_ID,
                           "io.github.zanfel.Zanfel", CA_PROP_APPLICATION_ICON_NAME,
                           "io.github.zanfel.Zanfel", nullptr);
    return true;
}

// Destroying the context also cuts short whatever it is playing.
void CanberraSoundPlayer::Worker::closeContext() {
    if (context_)
        canberra_->destroy(context_);
    context_ = nullptr;
}

CanberraSoundPlayer::CanberraSoundPlayer(QString soundFolder) : folder_(std::move(soundFolder)) {}

CanberraSoundPlayer::~CanberraSoundPlayer() {
    if (!worker_)
        return;
    if (worker_->finish(kExitWait))
        thread_.join();
    else
        thread_.detach();
}

void CanberraSoundPlayer::startWorker() {
    worker_ = std::make_shared<Worker>();
    thread_ = std::thread([worker = worker_] { worker->run(); });
}

void CanberraSoundPlayer::play(Sound sound) {
    if (!worker_)
        startWorker();
    worker_->ask({false, QFile::encodeName(QDir(folder_).filePath(soundFileName(sound))).toStdString()});
}

void CanberraSoundPlayer::stopAll() {
    if (worker_)
        worker_->ask({true, {}});
}

void CanberraSoundPlayer::waitUntilIdle() {
    if (worker_)
        worker_->waitUntilIdle();
}
