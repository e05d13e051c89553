#pragma once

namespace wizard {

/// What the wizard does when the converter has ended.
struct RunOutcome {
    /// A normal end with a non-zero status: the failure box, before the settings are saved.
    bool showFailureBox = false;
    /// A normal end with status 0: the success line, Finish disabled, Cancel reads "Close".
    bool succeeded = false;
};

/// The outcome of a run from the way the child ended: normally (returned from its program)
/// with exitStatus, or not (killed or crashed). The output is never inspected. Every end
/// saves the settings afterwards; a converter that could not start does not.
RunOutcome outcomeOf(bool endedNormally, int exitStatus);

} // namespace wizard
