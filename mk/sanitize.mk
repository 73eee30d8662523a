# The whole test suite again, built with the address and undefined-behaviour sanitizers.
SANITIZE_BUILD ?= build-sanitize

.PHONY: test-sanitize

test-sanitize: deps-test
	@cmake -S . -B $(SANITIZE_BUILD) -DTAMSIREL_SANITIZE=ON -DTAMSIREL_WERROR=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	@cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j$(JOBS) --timeout 600
