#pragma once
// Failing writes on purpose, for the tests that check that a failed write leaves every file as
// it was. The record files and the whole-file writer ask before each write, flush and rename;
// nothing fails unless a test arms the countdown, and the program never does.
namespace qf::faults {

// The step after `steps` successful ones fails, as a full disk would (ENOSPC); the countdown
// then disarms itself, so putting back what was there succeeds.
void FailWriteAfter(int steps);
void Disarm();
// Whether the armed failure has happened since it was armed.
bool Fired();

// Called before every write step; true (with errno set) when this one is to fail.
bool WriteFails();

}  // namespace qf::faults
