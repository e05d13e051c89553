#include "RunOutcome.h"

namespace wizard {

RunOutcome outcomeOf(bool endedNormally, int exitStatus) {
    RunOutcome outcome;
    outcome.showFailureBox = endedNormally && exitStatus != 0;
    outcome.succeeded = endedNormally && exitStatus == 0;
    return outcome;
}

} // namespace wizard
