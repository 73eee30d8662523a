# The whole test suite again, built by clang with the address and undefined-behaviour
# sanitizers, so the CI has both compilers build every target. Test programs run with the leak
# checker too; the demo and the capture tool themselves (the e2e and program tests) run without
# it: their process-wide objects live until exit by design, and the checker's scan at exit can
# trip over the GL driver's and the sound output's threads.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV = ASAN_OPTIONS=abort_on_error=1:strict_string_checks=1:detect_leaks=$(1) \
  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: test-sanitize

test-sanitize: deps-test
	@scripts/deps clang
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DTAMSIREL_SANITIZE=ON -DTAMSIREL_WERROR=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	@cd $(SANITIZE_BUILD) && $(call SANITIZE_ENV,1) ctest --output-on-failure -j$(JOBS) --timeout 600 -LE 'e2e|program'
	@cd $(SANITIZE_BUILD) && $(call SANITIZE_ENV,0) ctest --output-on-failure -j$(JOBS) --timeout 600 -L 'e2e|program'
