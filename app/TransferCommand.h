#pragma once

class CommandLine;

// "grocelle --export FILE" and "grocelle --import FILE" without a window, on
// the catalog the run chose: what was done (or would be, with --dry-run) on
// stdout, each refused line with its number and reason; failures on stderr.
// An import with refused lines writes nothing unless --skip-refused is
// given, as the window imports them only once the user confirms.
class TransferCommand
{
public:
    // Exit codes: 0 when everything was written (or, for a dry run, would
    // be); 1 when a line was refused or nothing could be done.
    static int run(const CommandLine& commandLine);
};
