#pragma once
// The fixed pauses between commands and after bulk chunks go through a pacer:
// the program sleeps, tests record.

#include <vector>

namespace pelmora {

class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void pause(int milliseconds) = 0;
};

class SleepingPacer final : public Pacer {
public:
    void pause(int milliseconds) override;
};

class RecordingPacer final : public Pacer {
public:
    void pause(int milliseconds) override { pauses.push_back(milliseconds); }
    std::vector<int> pauses;
};

} // namespace pelmora
