# Front door: `make run` starts Vantrel, `make test` runs every test, `make
# asan` runs them again under the address and undefined-behaviour sanitizers.
# Each installs what is missing (scripts/setup) and builds first. Warnings
# are errors in these builds.

BUILD_DIR ?= build
RELEASE_DIR ?= build-release
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

# Any sanitizer finding fails the test program that meets it; lsan.supp
# names the leaks that system libraries leave behind on purpose. Leak stacks
# are taken in full (slower), through the system libraries too, so that those
# names can be precise.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp

# $(call configure_and_build,folder,build type[,more cmake options])
define configure_and_build
	@cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=$(2) -DVANTREL_WERROR=ON $(3) >/dev/null
	@cmake --build $(1) -j $(JOBS)
endef

# $(call run_tests,folder[,environment])
define run_tests
	@cd $(1) && $(2) xvfb-run -a ctest --output-on-failure -j $(JOBS)
endef

.PHONY: all setup build release run test asan bench bench-quick format clean

all: build

setup:
	@scripts/setup

build: setup
	$(call configure_and_build,$(BUILD_DIR),RelWithDebInfo)

# The configuration packagers build; the optimizer warns differently there.
release: setup
	$(call configure_and_build,$(RELEASE_DIR),Release)

run: build
	@$(BUILD_DIR)/app/Vantrel

test: build release
	$(call run_tests,$(BUILD_DIR))
	$(call run_tests,$(RELEASE_DIR))

asan: setup
	$(call configure_and_build,$(ASAN_DIR),Debug,-DVANTREL_SANITIZE=ON)
	$(call run_tests,$(ASAN_DIR),$(SANITIZER_ENV))

# Every benchmark case; the 1 000 000-file trees make this take long.
bench: build
	@$(BUILD_DIR)/bench/bench_walk
	@$(BUILD_DIR)/bench/bench_compare
	@xvfb-run -a $(BUILD_DIR)/bench/bench_grid_store
	@xvfb-run -a -s "-screen 0 1400x900x24" $(BUILD_DIR)/bench/bench_grid_paint
	@xvfb-run -a $(BUILD_DIR)/bench/bench_gui_compare 100000
	@xvfb-run -a $(BUILD_DIR)/bench/bench_gui_compare 1000000
	@xvfb-run -a $(BUILD_DIR)/bench/bench_copy_all

# Only the cases under 100 000 files.
bench-quick: build
	@$(BUILD_DIR)/bench/bench_compare --quick
	@xvfb-run -a $(BUILD_DIR)/bench/bench_gui_compare 20000
	@xvfb-run -a $(BUILD_DIR)/bench/bench_copy_all

format:
	@find fs compare grid app update cli tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) $(RELEASE_DIR) $(ASAN_DIR)
