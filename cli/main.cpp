// tamrisk-cli: the calculation engine from a shell or a script.
//
//   tamrisk-cli [--filter UNIT] [--this-year YEAR] [--json] [--explain] [--url] NUMBER [UNIT] [NUMBER [UNIT]]
//   tamrisk-cli [--this-year YEAR] [--explain] --batch
//   tamrisk-cli [--filter UNIT] [--json] --partners UNIT
//   tamrisk-cli [--json] --produces UNIT
//   tamrisk-cli --formula-list | --list-units | --list-prefixes | --version | --help
//
// The options and the modes they go with are in cli/options.cpp.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>
#include <string>
#include <vector>

#include "cli/answers.h"
#include "cli/batch.h"
#include "cli/json.h"
#include "cli/options.h"
#include "cli/spellings.h"
#include "engine/version.h"
#include "formulas/catalogue_run.h"

namespace {

int CurrentYear() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

// Whether a write to standard output has failed, and the system's reason
// for the first failure (0 when it gave none).
bool outputFailed = false;
int writeError = 0;

// Writes to standard output; false once a write has failed (a full disk, a
// closed pipe), so that the program can say so instead of reporting success.
// Standard output and standard error go through stdio alone: the program
// never sets up iostreams and their locales.
bool Write(const std::string& text, bool flush = false) {
  if (outputFailed) return false;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
      (flush && std::fflush(stdout) != 0)) {
    outputFailed = true;
    writeError = errno;
  }
  return !outputFailed;
}

// Says on standard error that something failed, with the system's reason if
// it gave one. Allocates nothing, so it also serves when memory ran out.
void ComplainOfFailure(const char* what, int error) {
  std::fprintf(stderr, "tamrisk-cli: %s%s%s\n", what, error != 0 ? ": " : "",
               error != 0 ? std::strerror(error) : "");
}

// True when more input has arrived: in standard input's buffer, or ready to
// be read without waiting (a regular file always is).
bool InputWaiting() {
#ifdef __GLIBC__
  if (stdin->_IO_read_ptr < stdin->_IO_read_end) return true;
#endif
  pollfd in{STDIN_FILENO, POLLIN, 0};
  return poll(&in, 1, 0) == 1 && (in.revents & POLLIN) != 0;
}

// Flushes standard output and returns `status`, or the output error's status
// when anything written could not be delivered.
int Finish(int status) {
  if (!outputFailed) {
    errno = 0;
    if (std::fflush(stdout) != 0) {
      outputFailed = true;
      writeError = errno;
    }
  }
  if (!outputFailed) return status;
  ComplainOfFailure("cannot write the output", writeError);
  return tamrisk::kStatusOutputError;
}

// Says that the input could not be read and gives the input error's status.
int InputError(int error) {
  ComplainOfFailure("cannot read the input", error);
  return tamrisk::kStatusInputError;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  tamrisk::CliCommand cmd;
  std::string error;
  if (!tamrisk::ParseCliArgs(args, cmd, error)) {
    const std::string message = "tamrisk-cli: " + error + "; see tamrisk-cli --help\n";
    std::fwrite(message.data(), 1, message.size(), stderr);
    return tamrisk::kStatusUsageError;
  }
  using Mode = tamrisk::CliCommand::Mode;
  switch (cmd.mode) {
    case Mode::Help: Write(tamrisk::CliUsage()); return Finish(tamrisk::kStatusAnswered);
    case Mode::Version:
      Write("tamrisk-cli " + std::string(tamrisk::TamriskVersion) + "\n");
      return Finish(tamrisk::kStatusAnswered);
    case Mode::ListUnits: Write(tamrisk::UnitList()); return Finish(tamrisk::kStatusAnswered);
    case Mode::ListPrefixes: Write(tamrisk::PrefixList()); return Finish(tamrisk::kStatusAnswered);
    case Mode::FormulaList:
      Write(tamrisk::FormulaListDocument());
      return Finish(tamrisk::kStatusAnswered);
    case Mode::Batch: {
      const int year = cmd.thisYear ? *cmd.thisYear : CurrentYear();
      // Answers are long (a kilobyte is common): written in large blocks.
      static char outputBuffer[1 << 16];
      std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
      // Lines are read straight from stdio. Each answer is delivered before
      // the program waits for the next line, so that a program can talk to
      // the batch mode line by line; the answers to lines that have already
      // arrived go out together.
      std::string line;
      long long lines = 0;
      bool readFailed = false;
      int readError = 0;
      try {
        for (;;) {
          using Read = tamrisk::BatchLineRead;
          const Read read = tamrisk::ReadBatchLine(stdin, line, tamrisk::kMaxBatchLineBytes);
          // The end of the input and a failed read (a folder, a closed
          // standard input) both end the run; only the second is an error.
          if (read == Read::End) break;
          if (read == Read::Error) {
            readFailed = true;
            readError = errno;
            break;
          }
          std::string answer = read == Read::TooLong
                                   ? tamrisk::BatchLineTooLongJson(tamrisk::kMaxBatchLineBytes)
                                   : tamrisk::RunBatchLine(line, year, cmd.explain);
          answer.push_back('\n');
          ++lines;
          if (!Write(answer, !InputWaiting())) break;
        }
      } catch (const std::bad_alloc&) {
        // Under a memory limit: the answers so far are delivered, and the
        // run ends as a failed read does, never as if the input had ended.
        std::string().swap(line);
        std::fprintf(stderr,
                     "tamrisk-cli: out of memory at line %lld of the input; "
                     "the lines before it are answered\n",
                     lines + 1);
        return Finish(tamrisk::kStatusInputError);
      }
      const int status = Finish(tamrisk::kStatusAnswered);
      if (status != tamrisk::kStatusAnswered || !readFailed) return status;
      return InputError(readError);
    }
    case Mode::Partners:
    case Mode::Produces: {
      const tamrisk::ListAnswer answer =
          cmd.mode == Mode::Partners
              ? tamrisk::PartnersAnswer(cmd.unit, cmd.input.unit3, cmd.json)
              : tamrisk::ProducersAnswer(cmd.unit, cmd.json);
      Write(answer.text);
      return Finish(answer.empty ? tamrisk::kStatusNoAnswer : tamrisk::kStatusAnswered);
    }
    case Mode::Calculate: break;
  }
  if (cmd.url) {
    const char* base = std::getenv("TAMRISK_PAGE_URL");
    Write(tamrisk::PageLink(base ? base : "", cmd.input) + "\n");
    return Finish(tamrisk::kStatusAnswered);
  }
  cmd.input.thisYear = cmd.thisYear ? *cmd.thisYear : CurrentYear();
  if (cmd.json || cmd.explain) {
    const tamrisk::ExplainedRun run = tamrisk::CalculateExplained(cmd.input);
    Write(cmd.json ? tamrisk::ExplainedJson(run) + "\n" : tamrisk::ExplainedText(run));
    return Finish(run.output.failed ? tamrisk::kStatusNoAnswer : tamrisk::kStatusAnswered);
  }
  const tamrisk::RunOutput out = tamrisk::Calculate(cmd.input);
  Write(tamrisk::HumanText(out));
  return Finish(out.failed ? tamrisk::kStatusNoAnswer : tamrisk::kStatusAnswered);
}
