// Runs a program as a user meets it: bytes in on standard input, bytes and an
// exit status out.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <ostream>
#include <string>

struct Outcome {
    std::string out;
    std::string err;
    int status; // exit status, or 128 + the signal that ended the program
};

struct Launch {
    std::string stdout_file;  // standard output goes to this file, made empty, instead of a pipe
    rlim_t address_space = 0; // the child's address-space limit in bytes; 0: none
    rlim_t cpu_seconds = 0;   // the child's CPU-time limit, past which the kernel ends it; 0: none
    rlim_t file_size = 0;     // the child's file-size limit in bytes; 0: none. SIGXFSZ is
                              // ignored, so a write past the limit fails with EFBIG
    int lines = 0;            // read this many lines of output, then close the pipe; 0: all
};

Outcome run(const std::string &program, const std::string &input, const Launch &launch = {});

// The GBK bytes of a UTF-8 text, converted by the C library's iconv.
std::string gbk(const std::string &utf8);

// Bytes as one readable line: printable ASCII as it is, \n, \t, \\ and \xHH.
std::string escaped(const std::string &bytes);

// One console case. Standard error is empty and the status 0 unless the case
// says otherwise.
struct Case {
    const char *name;
    std::string in;
    std::string out;
    std::string err = {};
    int status = 0;
};

void PrintTo(const Case &c, std::ostream *os);
std::string case_name(const testing::TestParamInfo<Case> &info);

// Runs the case and reports every difference with the bytes escaped.
void expect_case(const std::string &program, const Case &c, const Launch &launch = {});
void expect_bytes(const char *what, const std::string &actual, const std::string &expected);
