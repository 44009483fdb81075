#pragma once

namespace numora {

struct ProgramState;

// "Glückszahl setzen": the user's number becomes the state of the random source, so the same
// number, options, history and chosen date give the same sheet.
namespace LuckyNumber {

// Proposes Random(99999), asks for the number and sets it; a text that is no integer shows
// message 34 and leaves the state as the proposal left it. Returns whether it was set.
bool ask(ProgramState& state);

} // namespace LuckyNumber
} // namespace numora
