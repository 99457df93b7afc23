#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ProcessLauncher.h"

namespace tavoclip {

// What a fake child does, shared between the runner that owns the child and
// the test that steers it: the test gives output and ends the child exactly
// when it wants, so events reach the runner in an order the test chose.
struct FakeChildState {
    std::vector<std::string> arguments;
    std::string waiting;  // written, not yet read
    bool ended = false;
    int status = 0;
    bool failReads = false;  // every read fails, as on a broken pipe
    bool terminated = false;
    bool destroyed = false;
    std::function<void()> activity;

    void Write(const std::string& text)
    {
        waiting += text;
        if (activity) activity();
    }
    void End(int exitStatus)
    {
        status = exitStatus;
        ended = true;
        if (activity) activity();
    }
};

class FakeChild final : public ChildProcess {
public:
    explicit FakeChild(std::shared_ptr<FakeChildState> state) : state_(std::move(state)) {}
    ~FakeChild() override { state_->destroyed = true; }
    std::int64_t BytesWaiting() override { return state_->failReads ? 10 : static_cast<std::int64_t>(state_->waiting.size()); }
    std::optional<std::string> Read(std::size_t maxBytes) override
    {
        if (state_->failReads) return std::nullopt;
        std::string chunk = state_->waiting.substr(0, maxBytes);
        state_->waiting.erase(0, chunk.size());
        return chunk;
    }
    bool HasEnded() override { return state_->ended && state_->waiting.empty(); }
    int exitStatus() override { return state_->ended ? state_->status : -1; }
    void SetActivityHandler(std::function<void()> handler) override { state_->activity = std::move(handler); }
    void Terminate() override { state_->terminated = true; }

private:
    std::shared_ptr<FakeChildState> state_;
};

// Hands out fake children and keeps their states, in launch order; refuses
// to start anything while refuse is set.
class FakeLauncher final : public ProcessLauncher {
public:
    LaunchResult Launch(const std::vector<std::string>& arguments) override
    {
        LaunchResult result;
        if (refuse) {
            result.failure = LaunchFailure::NotStarted;
            return result;
        }
        auto state = children.emplace_back(std::make_shared<FakeChildState>());
        state->arguments = arguments;
        result.child = std::make_unique<FakeChild>(state);
        return result;
    }
    std::vector<std::shared_ptr<FakeChildState>> children;
    bool refuse = false;
};

}  // namespace tavoclip
